// The settings dialog (/c): the presenter over the registry, its own MIDI player for the test
// buttons, and the native window. Runs until the dialog is closed.
#include "platform/windows/Win32.h"  // before the other Windows headers

#include <commctrl.h>

#include "platform/windows/MidiOutSound.h"
#include "platform/windows/RegistrySettingsStore.h"
#include "platform/windows/WinModes.h"
#include "platform/windows/WinSystem.h"
#include "platform/windows/dialog/SetupWindow.h"

namespace hq::win {

int RunSetupDialog(HINSTANCE instance, const std::string& assetFolder) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    RegistrySettingsStore store;
    MidiOutSound sound;  // a test carol that ends by itself leaves its button at "Stop"
    WinSystem system;
    SetupPresenter presenter(SetupPlatform{store, sound, system, assetFolder});
    SetupWindow window(instance, presenter, assetFolder);
    if (window.Closed()) return 1;
    // Message boxes are modal to the dialog.
    system.SetWindow(window.Handle());
    presenter.SetView(&window);
    presenter.Load();
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(window.Handle());

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, the arrow keys, Enter and Esc as in any dialog.
        if (window.HelpHandle() && IsDialogMessageW(window.HelpHandle(), &message)) continue;
        if (!window.Closed() && IsDialogMessageW(window.Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    sound.StopPlayback();
    presenter.SetView(nullptr);
    return 0;
}

}  // namespace hq::win
