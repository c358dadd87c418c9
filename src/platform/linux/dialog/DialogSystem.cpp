#include "platform/linux/dialog/DialogSystem.h"

#include <fontconfig/fontconfig.h>
#include <wx/artprov.h>
#include <wx/wx.h>
#include <wx/strconv.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <memory>
#include <set>

#include "platform/linux/dialog/WxText.h"
#include "settings/Conversions.h"

namespace hq {

wxString ToWxFromFile(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) text += bytes[i];
    wxString wide = wxString::FromUTF8(text.data(), text.size());
    if (wide.empty() && !text.empty()) wide = wxString(text.data(), wxCSConv("CP1252"), text.size());
    if (wide.empty() && !text.empty()) wide = wxString(text.data(), wxConvISO8859_1, text.size());
    return wide;
}

std::uint32_t DialogSystem::GetTickCount() {
    using namespace std::chrono;
    return std::uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

double DialogSystem::SecondsSinceMidnight() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
}

std::string DialogSystem::LongTimeText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::strftime(text, sizeof text, "%X", &local);
    return text;
}

CivilDate DialogSystem::Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

int DialogSystem::ShowCursor(bool show) { return m_cursorCount += show ? 1 : -1; }

void DialogSystem::MessageBox(const std::string& title, const std::string& text, MessageIcon icon) {
    // GTK's own message dialog shrinks to a short text and cuts its caption; this one keeps room
    // for the caption and lays longer texts out line by line, left-aligned.
    constexpr int kMinWidth = 280;
    wxDialog box(m_owner, wxID_ANY, ToWx(title));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    if (icon != MessageIcon::None) {
        const wxArtID art = icon == MessageIcon::Critical ? wxART_ERROR : wxART_INFORMATION;
        row->Add(new wxStaticBitmap(&box, wxID_ANY, wxArtProvider::GetBitmap(art, wxART_MESSAGE_BOX)), 0,
                 wxLEFT | wxTOP, 14);
    }
    // Closing blank lines would only push the button down.
    wxString shown = ToWxFromFile(text);
    while (shown.EndsWith("\n")) shown.RemoveLast();
    row->Add(new wxStaticText(&box, wxID_ANY, shown), 1, wxALL, 16);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(row, 1, wxEXPAND);
    column->Add(box.CreateStdDialogButtonSizer(wxOK), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    box.SetSizer(column);
    column->SetMinSize(wxSize(kMinWidth, -1));
    box.Fit();
    box.CentreOnParent();
    box.ShowModal();
}

std::vector<std::string> DialogSystem::ScreenFonts() {
    std::vector<std::string> families;
    if (!FcInit()) return families;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(FcObjectSetBuild(FC_FAMILY, nullptr),
                                                                        FcObjectSetDestroy);
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(FcFontList(nullptr, pattern.get(), objects.get()),
                                                                  FcFontSetDestroy);
    if (!fonts) return families;
    std::set<std::string> seen;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        // A family with several names lists its own name first ("DejaVu Sans" before its styles).
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch || !family) continue;
        std::string name(reinterpret_cast<const char*>(family));
        if (seen.insert(name).second) families.push_back(name);
    }
    std::sort(families.begin(), families.end(), [](const std::string& a, const std::string& b) {
        const std::string la = ToLower(a), lb = ToLower(b);
        return la != lb ? la < lb : a < b;
    });
    return families;
}

std::optional<std::string> DialogSystem::ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data(maxBytes, '\0');
    in.read(data.data(), std::streamsize(maxBytes));
    if (in.bad()) return std::nullopt;  // a folder or an unreadable file
    data.resize(std::size_t(in.gcount()));
    return data;
}

}  // namespace hq
