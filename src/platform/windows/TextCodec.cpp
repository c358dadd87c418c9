#include "platform/windows/TextCodec.h"

#include "platform/windows/Win32.h"

namespace hq::win {

std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    const int length = int(text.size());
    UINT codePage = CP_UTF8;
    int count = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (count <= 0) {
        codePage = CP_ACP;
        count = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    }
    if (count <= 0) return {};
    std::wstring out(std::size_t(count), L'\0');
    MultiByteToWideChar(codePage, codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0, text.data(), length, out.data(), count);
    return out;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = int(text.size());
    const int count = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (count <= 0) return {};
    std::string out(std::size_t(count), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), count, nullptr, nullptr);
    return out;
}

}  // namespace hq::win
