#pragma once
// The sprite-drawing control the saver draws through: a fixed 800 x 600 display, numbered
// sprites with frame lists, text, and the events a saver window receives.
#include <cstdint>
#include <string>

namespace hq {

using Rgb = std::uint32_t;  // 0xRRGGBB
constexpr Rgb MakeRgb(int r, int g, int b) { return Rgb((r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF)); }

constexpr int kKeyTransparent = -1;  // key mode: the picture's transparent parts are not drawn
constexpr int kKeyOpaque = -2;       // key mode: every pixel is drawn

class DrawingControl {
public:
    virtual ~DrawingControl() = default;

    virtual bool OpenDisplay(int width, int height, int bitsPerPixel, const std::string& text) = 0;
    virtual void CloseDisplay() = 0;

    virtual int CreateSprite() = 0;
    virtual void LoadSpriteFrame(int sprite, int frame, const std::string& path, int keyMode) = 0;
    virtual void SetSpriteX(int sprite, int x) = 0;
    virtual void SetSpriteY(int sprite, int y) = 0;
    virtual int GetSpriteX(int sprite) = 0;
    virtual int GetSpriteY(int sprite) = 0;
    virtual void MoveSpriteX(int sprite, int d) = 0;  // x := x + d
    virtual void MoveSpriteY(int sprite, int d) = 0;  // y := y - d: a negative d moves down
    virtual void SetSpriteWidth(int sprite, int pixels) = 0;
    virtual void SetSpriteHeight(int sprite, int pixels) = 0;
    virtual int GetSpriteWidth(int sprite) = 0;
    virtual int GetSpriteHeight(int sprite) = 0;
    virtual void SetSpriteFrame(int sprite, int frame) = 0;
    virtual int GetSpriteFrame(int sprite) = 0;
    virtual void SetFrameDelay(int sprite, int delayMs) = 0;
    virtual bool FrameDelayElapsed(int sprite) = 0;
    virtual void NextSpriteFrame(int sprite) = 0;  // wraps to frame 1, restarts the delay
    virtual void DrawSprite(int sprite) = 0;

    virtual void ClearScreen(Rgb colour) = 0;
    // Style 30 is bold, 1 regular; the three flags are always false.
    virtual void SetFont(const std::string& face, int size, int style, bool italic, bool underline, bool strikeout) = 0;
    virtual void DrawText(const std::string& text, int x, int y, Rgb colour) = 0;
    virtual void ShowFrame() = 0;
};

// What the drawing control raises on the window that owns it.
class DrawingEvents {
public:
    virtual ~DrawingEvents() = default;
    virtual void FrameDue() = 0;
    virtual void MouseMove() = 0;
    virtual void MouseDown() = 0;
    virtual void KeyDown(int keyCode) = 0;  // letters by their upper-case character codes
};

}  // namespace hq
