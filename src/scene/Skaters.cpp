#include "scene/Skaters.h"

namespace hq {

void Skaters::SetStartingValues() {
    SnowmanDir = kRight;
    SantaDir = kRight;
    MrsSantaDir = kLeft;
}

void Skaters::UpdateSnowman() {
    Clocks& c = m_ctx.clocks;
    UpdateFigure(kSnowman, m_sprites.SnowmanSprite, c.SnowmanGate, c.SnowmanPoseCount, SnowmanDir, SnowmanX,
                 SnowmanLastMove, &Skaters::MoveSnowMan);
}

void Skaters::UpdateMrsSanta() {
    Clocks& c = m_ctx.clocks;
    UpdateFigure(kMrsSanta, m_sprites.MrsSantaSprite, c.MrsSantaGate, c.MrsSantaPoseCount, MrsSantaDir, MrsSantaX,
                 MrsSantaLastMove, &Skaters::MoveMrsSanta);
}

void Skaters::UpdateSanta() {
    Clocks& c = m_ctx.clocks;
    UpdateFigure(kSanta, m_sprites.SantaSprite, c.SantaGate, c.SantaPoseCount, SantaDir, SantaX, SantaLastMove,
                 &Skaters::MoveSanta);
}

void Skaters::UpdateFigure(const Figure& figure, int sprite, int gate, int& poseCount, int& direction, int& x,
                           std::uint32_t& lastMove, void (Skaters::*mover)(int)) {
    if (gate <= figure.shownAboveGate) return;
    DrawingControl& d = m_ctx.drawing;
    d.DrawSprite(sprite);
    m_ctx.Throttled(lastMove, figure.throttleMs, [&] { (this->*mover)(direction); });
    x = d.GetSpriteX(sprite);
    if (poseCount == figure.poseAt) {
        d.SetSpriteFrame(sprite, m_ctx.RandomInt(figure.frames, 1));
        poseCount = 0;
    }
}

void Skaters::MoveSnowMan(int direction) {
    Skate(kSnowman, m_sprites.SnowmanSprite, direction, SnowmanDir, SnowmanX, false);
}

// Mrs Santa draws every new lane from a freshly seeded generator.
void Skaters::MoveMrsSanta(int direction) {
    Skate(kMrsSanta, m_sprites.MrsSantaSprite, direction, MrsSantaDir, MrsSantaX, true);
}

// Santa reseeds only when he comes back from a crossing to the left.
void Skaters::MoveSanta(int direction) {
    Skate(kSanta, m_sprites.SantaSprite, direction, SantaDir, SantaX, direction == kLeft);
}

void Skaters::Skate(const Figure& figure, int sprite, int direction, int& directionField, int xField, bool reseed) {
    DrawingControl& d = m_ctx.drawing;
    // The x tested is the one read back in the previous frame, before this step.
    if (direction == kRight) {
        d.MoveSpriteX(sprite, figure.step);
        if (xField <= kRightEdge) return;
    } else if (direction == kLeft) {
        d.MoveSpriteX(sprite, -figure.step);
        if (xField >= kLeftEdge) return;
    } else {
        return;
    }
    // Off the screen: back in on a new lane, in a new direction.
    d.SetSpriteFrame(sprite, 1);
    d.SetFrameDelay(sprite, kRestartFrameDelay);
    if (reseed) m_ctx.random.Randomize(m_ctx.system.SecondsSinceMidnight());
    d.SetSpriteY(sprite, m_ctx.RandomInt(figure.laneSpan, figure.laneTop));
    directionField = m_ctx.RandomInt(2, 1);
    d.SetSpriteX(sprite, directionField == kRight ? kEnterLeftX : kEnterRightX);
}

void Skaters::UpdatePenguin() {
    if (m_ctx.clocks.PenguinGate <= kPenguinShownAboveGate) return;
    DrawingControl& d = m_ctx.drawing;
    const int sprite = m_sprites.PenguinSkateSprite;
    m_ctx.Throttled(PenguinLastMove, kPenguinThrottleMs, [this] { MovePenguin(); });
    d.DrawSprite(sprite);
    PenguinX = d.GetSpriteX(sprite);
    // Entering at 800 in steps of 3, the penguin passes 503, 302 and 101 exactly.
    if (PenguinX > 500 && PenguinX < 506) d.SetSpriteFrame(sprite, 2);
    if (PenguinX > 300 && PenguinX < 306) d.SetSpriteFrame(sprite, 1);
    if (PenguinX > 100 && PenguinX < 106) d.SetSpriteFrame(sprite, 2);
    if (PenguinX < kPenguinLeaveBelowX) {
        d.SetSpriteFrame(sprite, 1);
        d.SetFrameDelay(sprite, kRestartFrameDelay);
        d.SetSpriteY(sprite, m_ctx.RandomInt(kPenguinLaneSpan, kPenguinLaneTop));
        d.SetSpriteX(sprite, kPenguinEnterX);
    }
}

void Skaters::MovePenguin() { m_ctx.drawing.MoveSpriteX(m_sprites.PenguinSkateSprite, -kPenguinStep); }

}  // namespace hq
