#include "platform/linux/LinuxSystem.h"

#include <SDL.h>
#include <fontconfig/fontconfig.h>
#include <locale.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>

namespace hq {

std::uint64_t MonotonicMs() {
    using namespace std::chrono;
    return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

namespace {
std::tm LocalNow(double* fraction = nullptr) {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    if (fraction) {
        const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
        *fraction = double(ms < 0 ? ms + 1000 : ms) / 1000.0;
    }
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}
}  // namespace

std::uint32_t LinuxSystem::GetTickCount() { return std::uint32_t(MonotonicMs()); }

double LinuxSystem::SecondsSinceMidnight() {
    double fraction = 0;
    const std::tm local = LocalNow(&fraction);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

std::string LinuxSystem::LongTimeText() {
    const std::tm local = LocalNow();
    char text[64] = {};
    // The user's own time format; the C locale's when the environment names none that exists.
    if (locale_t user = newlocale(LC_TIME_MASK, "", locale_t(0))) {
        strftime_l(text, sizeof text, "%X", &local, user);
        freelocale(user);
    } else {
        std::strftime(text, sizeof text, "%X", &local);
    }
    return text;
}

CivilDate LinuxSystem::Today() {
    const std::tm local = LocalNow();
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

int LinuxSystem::ShowCursor(bool show) {
    m_cursorCount += show ? 1 : -1;
    ApplyCursor();
    return m_cursorCount;
}

void LinuxSystem::ApplyCursor() const {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(m_cursorCount < 0 ? SDL_DISABLE : SDL_ENABLE);
}

void LinuxSystem::SetScreenSaverRunning(bool running) {
    m_heldOff = running;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    if (running) SDL_DisableScreenSaver();
    else SDL_EnableScreenSaver();
}

std::string WithoutCarriageReturns(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

void LinuxSystem::MessageBox(const std::string& title, const std::string& text, MessageIcon icon) {
    const std::string body = WithoutCarriageReturns(text);
    Uint32 flags = icon == MessageIcon::Critical ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    // SDL shows a box only where a display can be opened; otherwise the text goes to a terminal.
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool canShow = (display && *display) || (wayland && *wayland);
    if (canShow && SDL_ShowSimpleMessageBox(flags, title.c_str(), body.c_str(), nullptr) == 0) return;
    std::fprintf(stderr, "hollyquill: %s\n%s\n", title.c_str(), body.c_str());
}

std::vector<std::string> LinuxSystem::ScreenFonts() {
    std::vector<std::string> names;
    if (!FcInit()) return names;
    FcPattern* pattern = FcPatternBuild(nullptr, FC_SCALABLE, FcTypeBool, FcTrue, nullptr);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    if (FcFontSet* set = FcFontList(nullptr, pattern, objects)) {
        for (int i = 0; i < set->nfont; ++i) {
            FcChar8* family = nullptr;
            if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch && family)
                names.emplace_back(reinterpret_cast<const char*>(family));
        }
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::optional<std::string> LinuxSystem::ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data;
    char buffer[65536];
    while (data.size() < maxBytes) {
        in.read(buffer, std::streamsize(std::min(sizeof buffer, maxBytes - data.size())));
        if (in.gcount() <= 0) break;
        data.append(buffer, std::size_t(in.gcount()));
    }
    return data;
}

}  // namespace hq
