#pragma once
// The software sprite engine: the drawing control on every target. It composes each frame in a
// 32-bit 0x00RRGGBB back buffer from decoded pictures and cached texts, and hands the finished
// frame to a FramePresenter. Frame delays are measured on the tick count it is given.
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/DrawingControl.h"
#include "platform/engine/FontRasterizer.h"
#include "platform/engine/FramePresenter.h"
#include "platform/engine/Picture.h"

namespace hq {

class SpriteEngine : public DrawingControl {
public:
    SpriteEngine(FontRasterizer& fonts, FramePresenter& presenter, std::function<std::uint32_t()> tickCount);
    ~SpriteEngine() override;
    SpriteEngine(const SpriteEngine&) = delete;
    SpriteEngine& operator=(const SpriteEngine&) = delete;

    // A sprite holds at most this many frames; loads beyond it are ignored.
    static constexpr int kMaxFrames = 1024;
    // Rasterized texts kept for reuse: an unchanged text costs one blit per frame.
    static constexpr std::size_t kTextCacheEntries = 48;
    static constexpr std::size_t kTextCacheBytes = 16u << 20;
    // A text may be narrowed to this percentage of its width to end at the frame's right edge.
    static constexpr int kMostTextNarrowing = 80;

    bool OpenDisplay(int width, int height, int bitsPerPixel, const std::string& text) override;
    void CloseDisplay() override;

    int CreateSprite() override;
    // A frame whose file cannot be read or decoded still takes its place and draws nothing.
    void LoadSpriteFrame(int sprite, int frame, const std::string& path, int keyMode) override;
    void SetSpriteX(int sprite, int x) override;
    void SetSpriteY(int sprite, int y) override;
    int GetSpriteX(int sprite) override;
    int GetSpriteY(int sprite) override;
    void MoveSpriteX(int sprite, int d) override;
    void MoveSpriteY(int sprite, int d) override;
    void SetSpriteWidth(int sprite, int pixels) override;
    void SetSpriteHeight(int sprite, int pixels) override;
    // The size last set; the current frame's own size while none was set.
    int GetSpriteWidth(int sprite) override;
    int GetSpriteHeight(int sprite) override;
    void SetSpriteFrame(int sprite, int frame) override;
    int GetSpriteFrame(int sprite) override;
    void SetFrameDelay(int sprite, int delayMs) override;
    bool FrameDelayElapsed(int sprite) override;
    void NextSpriteFrame(int sprite) override;
    void DrawSprite(int sprite) override;

    void ClearScreen(Rgb colour) override;
    void SetFont(const std::string& face, int size, int style, bool italic, bool underline, bool strikeout) override;
    void DrawText(const std::string& text, int x, int y, Rgb colour) override;
    void ShowFrame() override;

    // The back buffer: the frame being composed, or the last one shown. Empty while closed.
    const std::uint32_t* Pixels() const { return m_buffer.data(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Picture files read so far (each file is decoded once however many frames use it), and how
    // many of them could not be decoded.
    std::size_t PictureFiles() const { return m_pictures.size(); }
    std::size_t MissingPictures() const;

private:
    struct Sprite {
        std::vector<std::shared_ptr<const Picture>> frames;  // frame n is frames[n - 1]; null: not loaded
        int frame = 1;
        int x = 0, y = 0;
        int width = -1, height = -1;  // -1: the frame's own size
        std::uint32_t delay = 0;
        std::uint32_t lastStep = 0;
        const Picture* Current() const;
    };

    Sprite* Find(int sprite);
    std::shared_ptr<const Picture> LoadPicture(const std::string& path, int keyMode);
    std::shared_ptr<const Picture> TextPicture(const std::string& text, Rgb colour);
    // Fills the buffer with a ClearScreen colour still owed, skipping the rows that `cover` (an
    // opaque picture about to be drawn at (x, y) across the whole width) is going to paint.
    void SettleClear(const Picture* cover = nullptr, int x = 0, int y = 0);

    FontRasterizer& m_fonts;
    FramePresenter& m_presenter;
    std::function<std::uint32_t()> m_tick;

    bool m_open = false;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_buffer;
    bool m_clearOwed = false;
    Rgb m_clearColour = 0;

    std::vector<Sprite> m_sprites;
    std::map<std::string, std::shared_ptr<const Picture>> m_pictures;  // by key mode and path

    std::string m_face;
    int m_fontSize = 0;
    bool m_bold = false;
    using TextEntry = std::pair<std::string, std::shared_ptr<const Picture>>;
    std::list<TextEntry> m_textOrder;  // most recently used first
    std::unordered_map<std::string, std::list<TextEntry>::iterator> m_texts;
    std::size_t m_textBytes = 0;
};

}  // namespace hq
