#include "platform/linux/SdlPresenter.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace hq {

namespace {

constexpr const char* kTitle = "Hollyquill";
constexpr int kDefaultRefreshHz = 60;

// Whether the X server can render OpenGL on a graphics card. Without direct rendering (a
// virtual server, a machine without a driver) OpenGL is drawn by the CPU, and scaling the frame
// straight into the window's surface costs far less than that.
bool X11HasDirectRendering() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    int opcode = 0, event = 0, error = 0;
    const bool direct = XQueryExtension(display, "DRI3", &opcode, &event, &error) ||
                        XQueryExtension(display, "DRI2", &opcode, &event, &error);
    XCloseDisplay(display);
    return direct;
}

// SDL falls back to drawing into memory when no display answers; for a screen saver that is no
// display at all, unless someone asked for it by name.
bool ShowsNothing() {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (asked && *asked) return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return !driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

bool CpuDrawingPreferred() {
    const char* forced = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (forced && *forced) return std::strcmp(forced, "software") == 0;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "x11") == 0 && !X11HasDirectRendering();
}

}  // namespace

ScreenRect FitRect(int frameWidth, int frameHeight, int areaWidth, int areaHeight) {
    if (frameWidth <= 0 || frameHeight <= 0 || areaWidth <= 0 || areaHeight <= 0) return {};
    ScreenRect r;
    // Compare areaW / frameW with areaH / frameH without dividing.
    if (std::int64_t(areaWidth) * frameHeight <= std::int64_t(areaHeight) * frameWidth) {
        r.w = areaWidth;
        r.h = int((std::int64_t(areaWidth) * frameHeight * 2 + frameWidth) / (2 * std::int64_t(frameWidth)));
    } else {
        r.h = areaHeight;
        r.w = int((std::int64_t(areaHeight) * frameWidth * 2 + frameHeight) / (2 * std::int64_t(frameHeight)));
    }
    r.x = (areaWidth - r.w) / 2;
    r.y = (areaHeight - r.h) / 2;
    return r;
}

bool SdlPresenter::Open(int width, int height) {
    if (IsOpen()) return true;
    m_width = width;
    m_height = height;
    // Scaling by whole source pixels keeps the picture crisp.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // The desktop's own blanking is held off only while the saver says it runs.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // Focus moves between our own windows on several displays; none may shrink away.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Window surfaces (the black displays, frames drawn by the CPU) go straight to the X server.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (m_nativeWindow) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    // The host's loop handles SIGTERM and SIGINT itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    m_videoUp = true;
    if (ShowsNothing()) {
        Close();
        return false;
    }
    const bool opened = m_nativeWindow ? OpenEmbedded() : OpenFullScreen();
    if (opened && m_renderer) {
        m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    }
    if (!opened || (m_renderer && !m_texture)) {
        Close();
        return false;
    }
    m_hasFrame = false;
    return true;
}

bool SdlPresenter::OpenFullScreen() {
    const int displays = std::max(1, SDL_GetNumVideoDisplays());
    const bool software = CpuDrawingPreferred();
    for (int i = 0; i < displays; ++i) {
        SDL_Rect bounds{0, 0, m_width, m_height};
        SDL_GetDisplayBounds(i, &bounds);
        Uint32 flags = SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
        if (i == 0 && !software) flags |= SDL_WINDOW_OPENGL;
        SDL_Window* window = SDL_CreateWindow(kTitle, bounds.x, bounds.y, bounds.w, bounds.h, flags);
        if (!window && i == 0 && (flags & SDL_WINDOW_OPENGL)) {
            window = SDL_CreateWindow(kTitle, bounds.x, bounds.y, bounds.w, bounds.h, flags & ~SDL_WINDOW_OPENGL);
        }
        if (!window) {
            if (i == 0) return false;
            continue;  // a display we cannot cover stays as it is; the scene still runs
        }
        if (i == 0) m_primary = window;
        else m_others.push_back(window);
    }
    return CreateRenderer(software);
}

bool SdlPresenter::OpenEmbedded() {
    m_primary = SDL_CreateWindowFrom(reinterpret_cast<const void*>(m_nativeWindow));
    return m_primary && CreateRenderer(true);
}

bool SdlPresenter::CreateRenderer(bool software) {
    if (!software) {
        m_renderer = SDL_CreateRenderer(m_primary, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
        if (m_renderer) {
            SDL_RendererInfo info{};
            SDL_GetRendererInfo(m_renderer, &info);
            m_vsync = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
            return true;
        }
    }
    // Drawn by the CPU: the frame is scaled straight from the engine's buffer into the window's
    // own surface, which saves the copy into a texture. The surface also keeps the last frame.
    m_vsync = false;
    return SDL_GetWindowSurface(m_primary) != nullptr;
}

void SdlPresenter::Show() {
    if (!IsOpen() || m_nativeWindow) return;
    for (SDL_Window* window : m_others) {
        SDL_ShowWindow(window);
        FillBlack(window);
    }
    SDL_ShowWindow(m_primary);
    SDL_RaiseWindow(m_primary);
    // Every key reaches the saver, window-manager shortcuts included: a key ends it.
    SDL_SetWindowKeyboardGrab(m_primary, SDL_TRUE);
}

void SdlPresenter::FillBlack(SDL_Window* window) {
    if (SDL_Surface* surface = SDL_GetWindowSurface(window)) {
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
        SDL_UpdateWindowSurface(window);
    }
}

void SdlPresenter::WindowChanged(Uint32 windowId) {
    if (!IsOpen()) return;
    for (SDL_Window* window : m_others)
        if (SDL_GetWindowID(window) == windowId) FillBlack(window);
    if (SDL_GetWindowID(m_primary) == windowId) Repaint();
}

void SdlPresenter::Repaint() {
    if (!IsOpen() || !m_hasFrame) return;
    if (m_renderer) {
        Draw();
        return;
    }
    // A surface of a new size has lost the frame; the next one comes within a refresh.
    SDL_Surface* surface = SDL_GetWindowSurface(m_primary);
    if (!surface) return;
    if (surface->w != m_surfaceWidth || surface->h != m_surfaceHeight) ClearSurface(surface);
    SDL_UpdateWindowSurface(m_primary);
}

void SdlPresenter::ClearSurface(SDL_Surface* surface) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    m_surfaceWidth = surface->w;
    m_surfaceHeight = surface->h;
}

void SdlPresenter::DrawOnSurface(const std::uint32_t* pixels) {
    SDL_Surface* target = SDL_GetWindowSurface(m_primary);
    if (!target) return;
    // The bars keep their black from one frame to the next; only a new surface needs it.
    if (target->w != m_surfaceWidth || target->h != m_surfaceHeight) ClearSurface(target);
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels), m_width, m_height, 32,
                                                             m_width * int(sizeof(std::uint32_t)), SDL_PIXELFORMAT_RGB888);
    if (!source) return;
    const ScreenRect fit = FitRect(m_width, m_height, target->w, target->h);
    SDL_Rect place{fit.x, fit.y, fit.w, fit.h};
    SDL_BlitScaled(source, nullptr, target, &place);
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurface(m_primary);
    m_hasFrame = true;
    ++m_framesDrawn;
}

void SdlPresenter::Resize(int width, int height) {
    if (!IsOpen() || width <= 0 || height <= 0) return;
    SDL_SetWindowSize(m_primary, width, height);
    Repaint();
}

bool SdlPresenter::HasFocus() const {
    if (!IsOpen()) return false;
    const SDL_Window* focused = SDL_GetKeyboardFocus();
    if (!focused) return false;
    if (focused == m_primary) return true;
    return std::find(m_others.begin(), m_others.end(), focused) != m_others.end();
}

int SdlPresenter::RefreshHz() const {
    SDL_DisplayMode mode{};
    const int display = m_primary ? SDL_GetWindowDisplayIndex(m_primary) : 0;
    if (SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) == 0 && mode.refresh_rate > 0) return mode.refresh_rate;
    return kDefaultRefreshHz;
}

void SdlPresenter::Present(const std::uint32_t* pixels, int width, int height) {
    if (!IsOpen() || width != m_width || height != m_height) return;
    if (!m_renderer) {
        DrawOnSurface(pixels);
        return;
    }
    SDL_UpdateTexture(m_texture, nullptr, pixels, width * int(sizeof(std::uint32_t)));
    m_hasFrame = true;
    Draw();
}

void SdlPresenter::Draw() {
    int outW = 0, outH = 0;
    if (SDL_GetRendererOutputSize(m_renderer, &outW, &outH) != 0) return;
    const ScreenRect fit = FitRect(m_width, m_height, outW, outH);
    // Where the frame covers the whole output there are no bars to clear.
    if (fit.w != outW || fit.h != outH) {
        SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
        SDL_RenderClear(m_renderer);
    }
    const SDL_Rect target{fit.x, fit.y, fit.w, fit.h};
    SDL_RenderCopy(m_renderer, m_texture, nullptr, &target);
    SDL_RenderPresent(m_renderer);
    ++m_framesDrawn;
}

void SdlPresenter::Close() {
    if (m_texture) SDL_DestroyTexture(m_texture);
    if (m_renderer) SDL_DestroyRenderer(m_renderer);
    // SDL leaves a window it did not create (the embedding one) in place.
    if (m_primary) {
        SDL_SetWindowKeyboardGrab(m_primary, SDL_FALSE);
        SDL_DestroyWindow(m_primary);
    }
    for (SDL_Window* window : m_others) SDL_DestroyWindow(window);
    m_texture = nullptr;
    m_renderer = nullptr;
    m_hasFrame = false;
    m_surfaceWidth = m_surfaceHeight = 0;
    m_primary = nullptr;
    m_others.clear();
    if (m_videoUp) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    m_videoUp = false;
}

}  // namespace hq
