#include "platform/sim/Recording.h"

#include "settings/Conversions.h"

namespace hq {

namespace {
std::string Call(const char* name, std::initializer_list<long long> args) {
    std::string s = std::string(name) + "(";
    bool first = true;
    for (long long a : args) {
        if (!first) s += ",";
        s += std::to_string(a);
        first = false;
    }
    return s + ")";
}
}  // namespace

std::vector<std::string> CallLog::Matching(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : m_calls)
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
}

int CallLog::IndexOf(const std::string& call, std::size_t from) const {
    for (std::size_t i = from; i < m_calls.size(); ++i)
        if (m_calls[i] == call) return int(i);
    return -1;
}

RecordingDrawing::Sprite& RecordingDrawing::At(int sprite) {
    if (sprite < 1 || sprite > int(m_sprites.size())) {
        m_nowhere = Sprite{};
        return m_nowhere;
    }
    return m_sprites[std::size_t(sprite - 1)];
}

void RecordingDrawing::Query(const std::string& call) {
    if (LogQueries) Log.Add(call);
}

bool RecordingDrawing::OpenDisplay(int width, int height, int bitsPerPixel, const std::string& text) {
    Log.Add(Call("OpenDisplay", {width, height, bitsPerPixel}) + text);
    return !FailOpen;
}
void RecordingDrawing::CloseDisplay() { Log.Add("CloseDisplay()"); }

int RecordingDrawing::CreateSprite() {
    m_sprites.push_back(Sprite{});
    m_sprites.back().lastStep = m_tick();
    int n = int(m_sprites.size());
    Log.Add("CreateSprite()=" + std::to_string(n));
    return n;
}

void RecordingDrawing::LoadSpriteFrame(int sprite, int frame, const std::string& path, int keyMode) {
    Log.Add("LoadSpriteFrame(" + std::to_string(sprite) + "," + std::to_string(frame) + "," + path + "," +
            std::to_string(keyMode) + ")");
    Sprite& s = At(sprite);
    if (frame < 1) return;
    if (int(s.files.size()) < frame) s.files.resize(std::size_t(frame));
    s.files[std::size_t(frame - 1)] = path;
    if (frame > s.frameCount) s.frameCount = frame;
}

void RecordingDrawing::SetSpriteX(int sprite, int x) { Log.Add(Call("SetSpriteX", {sprite, x})); At(sprite).x = x; }
void RecordingDrawing::SetSpriteY(int sprite, int y) { Log.Add(Call("SetSpriteY", {sprite, y})); At(sprite).y = y; }
int RecordingDrawing::GetSpriteX(int sprite) { Query(Call("GetSpriteX", {sprite})); return At(sprite).x; }
int RecordingDrawing::GetSpriteY(int sprite) { Query(Call("GetSpriteY", {sprite})); return At(sprite).y; }
void RecordingDrawing::MoveSpriteX(int sprite, int d) { Log.Add(Call("MoveSpriteX", {sprite, d})); At(sprite).x += d; }
void RecordingDrawing::MoveSpriteY(int sprite, int d) { Log.Add(Call("MoveSpriteY", {sprite, d})); At(sprite).y -= d; }
void RecordingDrawing::SetSpriteWidth(int sprite, int px) { Log.Add(Call("SetSpriteWidth", {sprite, px})); At(sprite).width = px; }
void RecordingDrawing::SetSpriteHeight(int sprite, int px) { Log.Add(Call("SetSpriteHeight", {sprite, px})); At(sprite).height = px; }
int RecordingDrawing::GetSpriteWidth(int sprite) { Query(Call("GetSpriteWidth", {sprite})); return At(sprite).width; }
int RecordingDrawing::GetSpriteHeight(int sprite) { Query(Call("GetSpriteHeight", {sprite})); return At(sprite).height; }
void RecordingDrawing::SetSpriteFrame(int sprite, int frame) { Log.Add(Call("SetSpriteFrame", {sprite, frame})); At(sprite).frame = frame; }
int RecordingDrawing::GetSpriteFrame(int sprite) { Query(Call("GetSpriteFrame", {sprite})); return At(sprite).frame; }

void RecordingDrawing::SetFrameDelay(int sprite, int delayMs) {
    Log.Add(Call("SetFrameDelay", {sprite, delayMs}));
    Sprite& s = At(sprite);
    s.delay = delayMs;
    s.lastStep = m_tick();
}

bool RecordingDrawing::FrameDelayElapsed(int sprite) {
    Query(Call("FrameDelayElapsed", {sprite}));
    const Sprite& s = At(sprite);
    return std::uint32_t(m_tick() - s.lastStep) >= std::uint32_t(s.delay);
}

void RecordingDrawing::NextSpriteFrame(int sprite) {
    Log.Add(Call("NextSpriteFrame", {sprite}));
    Sprite& s = At(sprite);
    s.frame = s.frame >= s.frameCount ? 1 : s.frame + 1;
    s.lastStep = m_tick();
}

void RecordingDrawing::DrawSprite(int sprite) { Log.Add(Call("DrawSprite", {sprite})); }
void RecordingDrawing::ClearScreen(Rgb colour) { Log.Add(Call("ClearScreen", {colour})); }

void RecordingDrawing::SetFont(const std::string& face, int size, int style, bool italic, bool underline, bool strikeout) {
    Log.Add("SetFont(" + face + "," + std::to_string(size) + "," + std::to_string(style) + "," +
            std::to_string(italic) + std::to_string(underline) + std::to_string(strikeout) + ")");
}

void RecordingDrawing::DrawText(const std::string& text, int x, int y, Rgb colour) {
    Log.Add("DrawText(" + text + "," + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(colour) + ")");
}

void RecordingDrawing::ShowFrame() { Log.Add("ShowFrame()"); }

void RecordingSound::PlayFile(const std::string& path, int option1, int option2) {
    Log.Add("PlayFile(" + path + "," + std::to_string(option1) + "," + std::to_string(option2) + ")");
    Current = path;
    m_playing = Unplayable.count(path) == 0;
}

void RecordingSound::StopPlayback() {
    Log.Add("StopPlayback()");
    m_playing = false;
}

bool RecordingSound::IsPlaying() { return m_playing; }

std::string MemorySettingsStore::Address(const std::string& app, const std::string& section, const std::string& key) {
    return ToLower(app) + "\n" + section + "\n" + key;
}

std::string MemorySettingsStore::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                            const std::string& defaultValue) {
    auto it = m_values.find(Address(app, section, key));
    return it == m_values.end() ? defaultValue : it->second;
}

void MemorySettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                      const std::string& value) {
    m_values[Address(app, section, key)] = value;
    ++m_writes;
}

bool MemorySettingsStore::Has(const std::string& app, const std::string& section, const std::string& key) const {
    return m_values.count(Address(app, section, key)) > 0;
}

}  // namespace hq
