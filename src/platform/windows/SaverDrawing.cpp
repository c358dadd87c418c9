// The saver's drawing control. Until the sprite engine is part of the build, a stand-in clears,
// draws text and presents, so the host can be exercised on its own.
#include <vector>

#include "platform/windows/WinModes.h"

namespace hq::win {

namespace {
class ClearAndTextDrawing : public DrawingControl {
public:
    ClearAndTextDrawing(FramePresenter& presenter, FontRasterizer& fonts) : m_presenter(presenter), m_fonts(fonts) {}
    bool OpenDisplay(int w, int h, int, const std::string&) override {
        m_w = w;
        m_h = h;
        m_pixels.assign(std::size_t(w) * h, 0);
        return m_presenter.Open(w, h);
    }
    void CloseDisplay() override { m_presenter.Close(); }
    int CreateSprite() override { return ++m_sprites; }
    void LoadSpriteFrame(int, int, const std::string&, int) override {}
    void SetSpriteX(int, int) override {}
    void SetSpriteY(int, int) override {}
    int GetSpriteX(int) override { return 0; }
    int GetSpriteY(int) override { return 0; }
    void MoveSpriteX(int, int) override {}
    void MoveSpriteY(int, int) override {}
    void SetSpriteWidth(int, int) override {}
    void SetSpriteHeight(int, int) override {}
    int GetSpriteWidth(int) override { return 0; }
    int GetSpriteHeight(int) override { return 0; }
    void SetSpriteFrame(int, int) override {}
    int GetSpriteFrame(int) override { return 1; }
    void SetFrameDelay(int, int) override {}
    bool FrameDelayElapsed(int) override { return false; }
    void NextSpriteFrame(int) override {}
    void DrawSprite(int) override {}
    void ClearScreen(Rgb colour) override { std::fill(m_pixels.begin(), m_pixels.end(), colour); }
    void SetFont(const std::string& face, int size, int style, bool, bool, bool) override {
        m_face = face;
        m_size = size;
        m_bold = style == 30;
    }
    void DrawText(const std::string& text, int x, int y, Rgb colour) override {
        const TextMask mask = m_fonts.Render(m_face, m_size, m_bold, text);
        for (int row = 0; row < mask.height; ++row)
            for (int col = 0; col < mask.width; ++col)
                if (mask.coverage[std::size_t(row) * mask.width + col] > 127 && x + col >= 0 && x + col < m_w &&
                    y + row >= 0 && y + row < m_h)
                    m_pixels[std::size_t(y + row) * m_w + x + col] = colour;
    }
    void ShowFrame() override {
        DrawText("Hollyquill", 300, 280, 0xFFFFFF);
        m_presenter.Present(m_pixels.data(), m_w, m_h);
    }

private:
    FramePresenter& m_presenter;
    FontRasterizer& m_fonts;
    std::vector<std::uint32_t> m_pixels;
    int m_w = 0, m_h = 0, m_sprites = 0, m_size = 24;
    std::string m_face = "Arial";
    bool m_bold = false;
};
}  // namespace

std::unique_ptr<DrawingControl> MakeSaverDrawing(FramePresenter& presenter, FontRasterizer& fonts, SystemServices&) {
    return std::make_unique<ClearAndTextDrawing>(presenter, fonts);
}

}  // namespace hq::win
