// The screen-saver password (/a): the network provider library's password dialog, looked up at
// run time because current Windows versions no longer ship it.
#include "platform/windows/WinModes.h"

namespace hq::win {

int RunPasswordChange(std::int64_t ownerWindow) {
    using ChangePassword = DWORD(WINAPI*)(LPCSTR provider, HWND owner, DWORD reserved1, LPVOID reserved2);
    HMODULE mpr = LoadLibraryW(L"mpr.dll");
    if (!mpr) return 0;
    auto change = reinterpret_cast<ChangePassword>(reinterpret_cast<void*>(GetProcAddress(mpr, "PwdChangePasswordA")));
    if (change) {
        HWND owner = WindowFromNumber(ownerWindow);
        change("SCRSAVE", IsWindow(owner) ? owner : nullptr, 0, nullptr);
    }
    FreeLibrary(mpr);
    return 0;
}

}  // namespace hq::win
