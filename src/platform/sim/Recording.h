#pragma once
// Recording stand-ins for the drawing and sound controls and an in-memory settings store. The
// drawing stand-in keeps real sprite state (positions, frames, sizes, delays) so the saver's
// rules run against it exactly as against the real engine, and logs every call.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/DrawingControl.h"
#include "platform/SettingsStore.h"
#include "platform/SoundControl.h"
#include "platform/sim/CallLog.h"

namespace hq {



class RecordingDrawing : public DrawingControl {
public:
    explicit RecordingDrawing(std::function<std::uint32_t()> tickCount) : m_tick(std::move(tickCount)) {}

    bool OpenDisplay(int width, int height, int bitsPerPixel, const std::string& text) override;
    void CloseDisplay() override;
    int CreateSprite() override;
    void LoadSpriteFrame(int sprite, int frame, const std::string& path, int keyMode) override;
    void SetSpriteX(int sprite, int x) override;
    void SetSpriteY(int sprite, int y) override;
    int GetSpriteX(int sprite) override;
    int GetSpriteY(int sprite) override;
    void MoveSpriteX(int sprite, int d) override;
    void MoveSpriteY(int sprite, int d) override;
    void SetSpriteWidth(int sprite, int pixels) override;
    void SetSpriteHeight(int sprite, int pixels) override;
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

    CallLog Log;
    bool FailOpen = false;  // makes OpenDisplay report failure
    bool LogQueries = false;  // also log Get* and FrameDelayElapsed calls

    struct Sprite {
        int x = 0, y = 0, width = 0, height = 0;
        int frame = 1, frameCount = 0, delay = 0;
        std::uint32_t lastStep = 0;
        std::vector<std::string> files;  // frame n is files[n - 1]
    };
    const Sprite& SpriteState(int sprite) const { return m_sprites.at(std::size_t(sprite - 1)); }
    int SpriteCount() const { return int(m_sprites.size()); }

private:
    Sprite& At(int sprite);
    void Query(const std::string& call);

    std::function<std::uint32_t()> m_tick;
    std::vector<Sprite> m_sprites;
    Sprite m_nowhere;  // stands in for a sprite number that was never issued
};

class RecordingSound : public SoundControl {
public:
    void PlayFile(const std::string& path, int option1, int option2) override;
    void StopPlayback() override;
    bool IsPlaying() override;

    // The playing file reaches its end.
    void FinishPlaying() { m_playing = false; }

    CallLog Log;
    std::set<std::string> Unplayable;  // files that play nothing, as a missing file does
    std::string Current;

private:
    bool m_playing = false;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;

    bool Has(const std::string& app, const std::string& section, const std::string& key) const;
    std::size_t WriteCount() const { return m_writes; }

private:
    static std::string Address(const std::string& app, const std::string& section, const std::string& key);
    std::map<std::string, std::string> m_values;
    std::size_t m_writes = 0;
};

}  // namespace hq
