#include "platform/engine/SpriteEngine.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace hq {

namespace {

constexpr int kBoldStyle = 30;
// Larger files are no picture of ours; reading them would only cost memory.
constexpr std::streamoff kLargestPictureFile = 64 << 20;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > kLargestPictureFile) return {};
    in.seekg(0, std::ios::beg);
    std::string bytes(std::size_t(size), '\0');
    in.read(bytes.data(), size);
    bytes.resize(std::size_t(in.gcount()));
    return bytes;
}

}  // namespace

const Picture* SpriteEngine::Sprite::Current() const {
    if (frame < 1 || frame > int(frames.size())) return nullptr;
    return frames[std::size_t(frame - 1)].get();
}

SpriteEngine::SpriteEngine(FontRasterizer& fonts, FramePresenter& presenter, std::function<std::uint32_t()> tickCount)
    : m_fonts(fonts), m_presenter(presenter), m_tick(std::move(tickCount)) {}

SpriteEngine::~SpriteEngine() { CloseDisplay(); }

bool SpriteEngine::OpenDisplay(int width, int height, int, const std::string&) {
    // Every colour depth is drawn the same way: the buffer is 32-bit whatever is asked for.
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return false;
    if (m_open) CloseDisplay();
    if (!m_presenter.Open(width, height)) return false;
    m_width = width;
    m_height = height;
    m_buffer.assign(std::size_t(width) * std::size_t(height), 0);
    m_open = true;
    return true;
}

void SpriteEngine::CloseDisplay() {
    if (!m_open) return;
    m_presenter.Close();
    m_open = false;
    m_sprites.clear();
    m_pictures.clear();
    m_texts.clear();
    m_textOrder.clear();
    m_textBytes = 0;
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_width = m_height = 0;
    m_clearOwed = false;
}

SpriteEngine::Sprite* SpriteEngine::Find(int sprite) {
    if (sprite < 1 || sprite > int(m_sprites.size())) return nullptr;
    return &m_sprites[std::size_t(sprite - 1)];
}

int SpriteEngine::CreateSprite() {
    m_sprites.emplace_back();
    m_sprites.back().lastStep = m_tick();
    return int(m_sprites.size());
}

std::shared_ptr<const Picture> SpriteEngine::LoadPicture(const std::string& path, int keyMode) {
    const std::string key = std::to_string(keyMode) + '|' + path;
    auto it = m_pictures.find(key);
    if (it != m_pictures.end()) return it->second;
    auto picture = Picture::FromBmp(ReadFile(path), keyMode);
    m_pictures.emplace(key, picture);
    return picture;
}

std::size_t SpriteEngine::MissingPictures() const {
    return std::size_t(std::count_if(m_pictures.begin(), m_pictures.end(), [](const auto& p) { return !p.second; }));
}

void SpriteEngine::LoadSpriteFrame(int sprite, int frame, const std::string& path, int keyMode) {
    Sprite* s = Find(sprite);
    if (!s || frame < 1 || frame > kMaxFrames) return;
    if (int(s->frames.size()) < frame) s->frames.resize(std::size_t(frame));
    s->frames[std::size_t(frame - 1)] = LoadPicture(path, keyMode);
}

void SpriteEngine::SetSpriteX(int sprite, int x) {
    if (Sprite* s = Find(sprite)) s->x = x;
}
void SpriteEngine::SetSpriteY(int sprite, int y) {
    if (Sprite* s = Find(sprite)) s->y = y;
}
int SpriteEngine::GetSpriteX(int sprite) {
    const Sprite* s = Find(sprite);
    return s ? s->x : 0;
}
int SpriteEngine::GetSpriteY(int sprite) {
    const Sprite* s = Find(sprite);
    return s ? s->y : 0;
}
void SpriteEngine::MoveSpriteX(int sprite, int d) {
    if (Sprite* s = Find(sprite)) s->x += d;
}
void SpriteEngine::MoveSpriteY(int sprite, int d) {
    if (Sprite* s = Find(sprite)) s->y -= d;  // screen y grows downwards; a positive d moves up
}
void SpriteEngine::SetSpriteWidth(int sprite, int pixels) {
    if (Sprite* s = Find(sprite)) s->width = std::max(0, pixels);
}
void SpriteEngine::SetSpriteHeight(int sprite, int pixels) {
    if (Sprite* s = Find(sprite)) s->height = std::max(0, pixels);
}
int SpriteEngine::GetSpriteWidth(int sprite) {
    const Sprite* s = Find(sprite);
    if (!s) return 0;
    if (s->width >= 0) return s->width;
    const Picture* p = s->Current();
    return p ? p->Width() : 0;
}
int SpriteEngine::GetSpriteHeight(int sprite) {
    const Sprite* s = Find(sprite);
    if (!s) return 0;
    if (s->height >= 0) return s->height;
    const Picture* p = s->Current();
    return p ? p->Height() : 0;
}
void SpriteEngine::SetSpriteFrame(int sprite, int frame) {
    if (Sprite* s = Find(sprite)) s->frame = frame;
}
int SpriteEngine::GetSpriteFrame(int sprite) {
    const Sprite* s = Find(sprite);
    return s ? s->frame : 0;
}
void SpriteEngine::SetFrameDelay(int sprite, int delayMs) {
    if (Sprite* s = Find(sprite)) {
        s->delay = std::uint32_t(std::max(0, delayMs));
        s->lastStep = m_tick();
    }
}
bool SpriteEngine::FrameDelayElapsed(int sprite) {
    const Sprite* s = Find(sprite);
    // Unsigned difference: the tick count may wrap between two steps.
    return s && std::uint32_t(m_tick() - s->lastStep) >= s->delay;
}
void SpriteEngine::NextSpriteFrame(int sprite) {
    Sprite* s = Find(sprite);
    if (!s) return;
    s->frame = s->frame >= int(s->frames.size()) ? 1 : s->frame + 1;
    s->lastStep = m_tick();
}

void SpriteEngine::DrawSprite(int sprite) {
    const Sprite* s = Find(sprite);
    if (!m_open || !s) return;
    const Picture* p = s->Current();
    if (!p) {
        SettleClear();
        return;
    }
    const int w = s->width >= 0 ? s->width : p->Width();
    const int h = s->height >= 0 ? s->height : p->Height();
    SettleClear(w == p->Width() && h == p->Height() ? p : nullptr, s->x, s->y);
    p->DrawStretched(m_buffer.data(), m_width, m_height, s->x, s->y, w, h);
}

void SpriteEngine::ClearScreen(Rgb colour) {
    if (!m_open) return;
    // Deferred: a backdrop drawn next over whole rows makes filling those rows wasted work.
    m_clearOwed = true;
    m_clearColour = colour & 0xFFFFFF;
}

void SpriteEngine::SettleClear(const Picture* cover, int x, int y) {
    if (!m_clearOwed) return;
    m_clearOwed = false;
    int coverFrom = 0, coverTo = 0;  // rows the cover paints completely
    if (cover && cover->Opaque() && x <= 0 && x + cover->Width() >= m_width) {
        coverFrom = std::clamp(y, 0, m_height);
        coverTo = std::clamp(y + cover->Height(), 0, m_height);
    }
    auto fillRows = [this](int from, int to) {
        if (from < to)
            std::fill(m_buffer.begin() + std::ptrdiff_t(from) * m_width, m_buffer.begin() + std::ptrdiff_t(to) * m_width,
                      m_clearColour);
    };
    fillRows(0, coverFrom);
    fillRows(std::max(coverFrom, coverTo), m_height);
}

void SpriteEngine::SetFont(const std::string& face, int size, int style, bool, bool, bool) {
    m_face = face;
    m_fontSize = size;
    m_bold = style == kBoldStyle;
}

std::shared_ptr<const Picture> SpriteEngine::TextPicture(const std::string& text, Rgb colour) {
    const std::string key = m_face + '\x1f' + std::to_string(m_fontSize) + (m_bold ? "b" : "r") +
                            std::to_string(colour & 0xFFFFFF) + '\x1f' + text;
    if (auto it = m_texts.find(key); it != m_texts.end()) {
        m_textOrder.splice(m_textOrder.begin(), m_textOrder, it->second);
        return it->second->second;
    }
    auto picture = Picture::FromMask(m_fonts.Render(m_face, m_fontSize, m_bold, text), colour);
    m_textOrder.emplace_front(key, picture);
    m_texts.emplace(key, m_textOrder.begin());
    m_textBytes += picture ? picture->Bytes() : 0;
    while (m_textOrder.size() > 1 && (m_textOrder.size() > kTextCacheEntries || m_textBytes > kTextCacheBytes)) {
        const TextEntry& oldest = m_textOrder.back();
        m_textBytes -= oldest.second ? oldest.second->Bytes() : 0;
        m_texts.erase(oldest.first);
        m_textOrder.pop_back();
    }
    return picture;
}

void SpriteEngine::DrawText(const std::string& text, int x, int y, Rgb colour) {
    if (!m_open) return;
    SettleClear();
    if (text.empty()) return;
    auto picture = TextPicture(text, colour);
    if (!picture) return;
    // A line that would run a little past the right edge is narrowed to end there, so short
    // lines placed near the edge (the key directions) stay whole; a much longer one is clipped.
    const int room = m_width - x;
    const int width = picture->Width();
    if (x >= 0 && width > room && room >= width * kMostTextNarrowing / 100) {
        picture->DrawStretched(m_buffer.data(), m_width, m_height, x, y, room, picture->Height());
        return;
    }
    picture->Draw(m_buffer.data(), m_width, m_height, x, y);
}

void SpriteEngine::ShowFrame() {
    if (!m_open) return;
    SettleClear();
    m_presenter.Present(m_buffer.data(), m_width, m_height);
}

}  // namespace hq
