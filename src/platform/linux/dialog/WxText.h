#pragma once
// Text crossing between the core (UTF-8 std::string) and wxWidgets.
#include <wx/string.h>

#include <string>

namespace hq {

inline wxString ToWx(const std::string& text) { return wxString::FromUTF8(text.data(), text.size()); }

inline std::string FromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

// Text from a file of unknown 8-bit encoding: UTF-8 when it is valid UTF-8, else Windows-1252,
// the code page such help files were written in. CR LF line ends become LF for GTK.
wxString ToWxFromFile(const std::string& bytes);

}  // namespace hq
