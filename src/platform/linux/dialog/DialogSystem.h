#pragma once
// The system services the settings dialog needs on a Linux desktop: the screen fonts from
// fontconfig, whole files, and message boxes owned by the dialog. The saver-only services
// (cursor, saver-running flag, process end) do nothing here.
#include "platform/SystemServices.h"

class wxWindow;

namespace hq {

class DialogSystem : public SystemServices {
public:
    // Message boxes are modal to this window once it is set.
    void SetOwner(wxWindow* owner) { m_owner = owner; }

    std::uint32_t GetTickCount() override;
    double SecondsSinceMidnight() override;
    std::string LongTimeText() override;
    CivilDate Today() override;
    int ShowCursor(bool show) override;
    void SetScreenSaverRunning(bool) override {}
    void MessageBox(const std::string& title, const std::string& text, MessageIcon icon) override;
    void EndProcess() override {}
    // Every scalable font family fontconfig knows, each once, sorted without regard to case.
    std::vector<std::string> ScreenFonts() override;
    std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) override;

private:
    wxWindow* m_owner = nullptr;
    int m_cursorCount = 0;
};

}  // namespace hq
