#pragma once
// Shows the composed 800 x 600 frame through SDL: full screen over every display (the scene on
// the primary one, black on the others), or inside an existing X11 window. The frame is scaled
// to fit with its proportions kept, by whole source pixels (crisp), with black bars around it.
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/engine/FramePresenter.h"

namespace hq {

struct ScreenRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const ScreenRect&) const = default;
};

// The largest rectangle of the frame's proportions that fits the area, centred in it.
ScreenRect FitRect(int frameWidth, int frameHeight, int areaWidth, int areaHeight);

class SdlPresenter : public FramePresenter {
public:
    // Full screen on every display.
    SdlPresenter() = default;
    // Inside the X11 window `nativeWindow`, at its size.
    explicit SdlPresenter(unsigned long nativeWindow) : m_nativeWindow(nativeWindow) {}
    ~SdlPresenter() override { Close(); }
    SdlPresenter(const SdlPresenter&) = delete;
    SdlPresenter& operator=(const SdlPresenter&) = delete;

    // Starts SDL's video and makes the windows (full-screen ones stay hidden until Show).
    bool Open(int width, int height) override;
    void Present(const std::uint32_t* pixels, int width, int height) override;
    void Close() override;

    // Shows the full-screen windows above everything and takes the keyboard.
    void Show();
    // A window of ours was exposed, resized or moved: draw it again.
    void WindowChanged(Uint32 windowId);
    // Draws the last frame again (it stays in the texture).
    void Repaint();
    // The embedding window changed size.
    void Resize(int width, int height);

    bool IsOpen() const { return m_primary != nullptr; }
    bool HasFocus() const;
    // Presenting waits for the display's vertical blank.
    bool DisplayWaits() const { return m_vsync; }
    int RefreshHz() const;
    std::size_t FramesDrawn() const { return m_framesDrawn; }

private:
    bool OpenFullScreen();
    bool OpenEmbedded();
    bool CreateRenderer(bool software);
    void FillBlack(SDL_Window* window);
    void Draw();  // the texture's frame, scaled, with its bars
    void DrawOnSurface(const std::uint32_t* pixels);
    void ClearSurface(SDL_Surface* surface);

    unsigned long m_nativeWindow = 0;
    bool m_videoUp = false;
    SDL_Window* m_primary = nullptr;
    std::vector<SDL_Window*> m_others;  // the black displays
    SDL_Renderer* m_renderer = nullptr;  // none: frames go to the window's own surface
    SDL_Texture* m_texture = nullptr;
    int m_surfaceWidth = 0, m_surfaceHeight = 0;  // of the window surface last cleared
    bool m_vsync = false;
    bool m_hasFrame = false;  // the texture holds a frame
    int m_width = 0, m_height = 0;
    std::size_t m_framesDrawn = 0;
};

}  // namespace hq
