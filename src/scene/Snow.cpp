#include "scene/Snow.h"

namespace hq {

namespace {

// The flakes (numbered 1 to 9; 0: none) that start falling at each of the first sixteen
// one-second ticks, middle layer and back layer.
struct ScheduleEntry {
    int middle;
    int back;
};
constexpr ScheduleEntry kSchedule[] = {
    {0, 0},  // no tick 0
    {1, 1}, {0, 0}, {4, 4}, {7, 0}, {0, 3}, {2, 0}, {0, 2}, {3, 0},
    {0, 5}, {5, 0}, {6, 7}, {0, 6}, {8, 8}, {0, 0}, {0, 9}, {9, 0},
};
constexpr int kScheduleTicks = int(std::size(kSchedule)) - 1;

}  // namespace

void Snow::ApplySnowSchedule(int secondsOpen) {
    if (secondsOpen < 1 || secondsOpen > kScheduleTicks) return;
    const ScheduleEntry& entry = kSchedule[secondsOpen];
    if (entry.middle) SmallFlakeOn[std::size_t(entry.middle - 1)] = true;
    if (entry.back) TinyFlakeOn[std::size_t(entry.back - 1)] = true;
}

void Snow::UpdateSnow() {
    const auto& layerOn = m_ctx.settings.LayerOn;
    if (layerOn[kTinyFlakeLayer] == 1)
        for (int i = 0; i < kFlakesPerLayer; ++i)
            UpdateLayeredFlake(m_sprites.TinyFlakeSprite, i, TinyFlakeOn[std::size_t(i)],
                               TinyFlakeLastMove[std::size_t(i)], kTinyFlakeThrottleMs, &Snow::MoveTinyFlake,
                               TinyFlakeY[std::size_t(i)]);
    if (layerOn[kSmallFlakeLayer] == 1)
        for (int i = 0; i < kFlakesPerLayer; ++i)
            UpdateLayeredFlake(m_sprites.SmallFlakeSprite, i, SmallFlakeOn[std::size_t(i)],
                               SmallFlakeLastMove[std::size_t(i)], kSmallFlakeThrottleMs, &Snow::MoveSmallFlake,
                               SmallFlakeY[std::size_t(i)]);
    if (layerOn[kBigFlakeLayer] == 1) {
        DrawingControl& d = m_ctx.drawing;
        for (int i = 0; i < kFlakesPerLayer; ++i) {
            const int sprite = m_sprites.BigFlakeSprite[std::size_t(i)];
            m_ctx.Throttled(BigFlakeLastMove[std::size_t(i)], kBigFlakeThrottleMs, [&] { MoveBigFlake(i); });
            d.DrawSprite(sprite);
            BigFlakeY[std::size_t(i)] = d.GetSpriteY(sprite);
            if (BigFlakeY[std::size_t(i)] > kPutBackBelowY) d.SetSpriteY(sprite, kBigFlakeNewY);
        }
    }
}

void Snow::UpdateLayeredFlake(const std::array<int, kFlakeSlots>& sprites, int index, bool on,
                              std::uint32_t& lastMove, std::uint32_t throttleMs, void (Snow::*mover)(int),
                              int& readBackY) {
    DrawingControl& d = m_ctx.drawing;
    const int sprite = sprites[std::size_t(index)];
    if (on) {
        m_ctx.Throttled(lastMove, throttleMs, [&] { (this->*mover)(index); });
        d.DrawSprite(sprite);
    }
    readBackY = d.GetSpriteY(sprite);
    if (readBackY > kPutBackBelowY) {
        d.SetSpriteY(sprite, m_ctx.RandomInt(kNewYSpan, kNewYTop));
        d.SetSpriteX(sprite, m_ctx.RandomInt(kNewXSpan, kNewXLeft));
    }
}

void Snow::MoveTinyFlake(int TWhichFlake) {
    if (ValidFlake(TWhichFlake)) m_ctx.drawing.MoveSpriteY(m_sprites.TinyFlakeSprite[std::size_t(TWhichFlake)], -1);
}

void Snow::MoveSmallFlake(int SWhichFlake) {
    if (ValidFlake(SWhichFlake)) m_ctx.drawing.MoveSpriteY(m_sprites.SmallFlakeSprite[std::size_t(SWhichFlake)], -1);
}

void Snow::MoveBigFlake(int WhichFlake) {
    if (ValidFlake(WhichFlake)) m_ctx.drawing.MoveSpriteY(m_sprites.BigFlakeSprite[std::size_t(WhichFlake)], -1);
}

}  // namespace hq
