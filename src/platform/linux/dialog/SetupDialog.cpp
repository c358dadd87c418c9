// The settings dialog as its own small wxWidgets program inside hollyquill: the app object lives
// only while the dialog runs, so the program's main stays ours.
#include <wx/wx.h>

#include <cstdlib>
#include <memory>

#include "platform/linux/DesktopSound.h"
#include "platform/linux/FileSettingsStore.h"
#include "platform/linux/LinuxModes.h"
#include "platform/linux/dialog/DialogSystem.h"
#include "platform/linux/dialog/SetupWindow.h"
#include "settings/SetupPresenter.h"

namespace hq {

namespace {

class SetupApp : public wxApp {
public:
    explicit SetupApp(std::string assetFolder) : m_assetFolder(std::move(assetFolder)) {}

    // The base OnInit would read the command line as wx options and refuse "/c".
    bool OnInit() override {
        m_store = std::make_unique<FileSettingsStore>(FileSettingsStore::DefaultFolder());
        m_sound = MakeDesktopSound();
        m_presenter = std::make_unique<SetupPresenter>(SetupPlatform{*m_store, *m_sound, m_system, m_assetFolder});
        auto* window = new SetupWindow(*m_presenter, m_assetFolder);
        m_system.SetOwner(window);
        m_presenter->SetView(window);
        m_presenter->Load();
        window->Show();
        return true;
    }

    int OnExit() override {
        // Windows are gone; stop any test carol before the player goes.
        if (m_sound) m_sound->StopPlayback();
        m_presenter.reset();
        m_sound.reset();
        m_store.reset();
        return wxApp::OnExit();
    }

private:
    std::string m_assetFolder;
    DialogSystem m_system;
    std::unique_ptr<FileSettingsStore> m_store;
    std::unique_ptr<SoundControl> m_sound;
    std::unique_ptr<SetupPresenter> m_presenter;
};

}  // namespace

int RunSetupDialog(int argc, char** argv, const std::string& assetFolder) {
    // Scroll bars that show all the time, as the help window's text box is meant to have, unless
    // the user chose otherwise.
    setenv("GTK_OVERLAY_SCROLLING", "0", 0);
    wxApp::SetInstance(new SetupApp(assetFolder));
    // wxEntry owns the app object from here and deletes it before returning. It reports a display
    // that cannot be opened itself.
    return wxEntry(argc, argv);
}

}  // namespace hq
