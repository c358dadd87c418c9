#include "scene/Sleds.h"

namespace hq {

void Sleds::SetStartingValues() {
    PengSledStep = PengSkiStep = 0;
    PengSledOnTrack = PengSkiOnTrack = true;
    PengSledReady = PengSkiReady = true;
    PengSledPhase = PengSkiPhase = 1;
}

// Background sleds ------------------------------------------------------------------------------

void Sleds::UpdateBGSled(int whichsled) {
    if (whichsled < 1 || whichsled > kBGSledCount) return;
    const BGSledRota& rota = kRota[std::size_t(whichsled)];
    DrawingControl& d = m_ctx.drawing;
    const int sprite = m_sprites.BGSledSprite[std::size_t(whichsled)];
    int& count = m_ctx.clocks.BGSledCount[std::size_t(whichsled)];
    if (count > rota.activeAbove && count < rota.activeBelow) {
        m_ctx.Throttled(BGSledLastMove[std::size_t(whichsled)], kBGSledThrottleMs, [&] { MoveBGSled(whichsled); });
        d.DrawSprite(sprite);
        const int x = BGSledX[std::size_t(whichsled)] = d.GetSpriteX(sprite);
        // Past its end point the sled waits out of sight, still moving, until its reset.
        if (rota.parksPastRight ? x > rota.parkTestX : x < rota.parkTestX) {
            d.SetSpriteX(sprite, rota.parkX);
            if (rota.parkY) d.SetSpriteY(sprite, *rota.parkY);
        }
    }
    if (count > rota.resetAbove) {
        count = 0;
        d.SetSpriteX(sprite, rota.resetX);
        d.SetSpriteY(sprite, rota.resetY);
    }
}

void Sleds::MoveBGSled(int whichsled) {
    if (whichsled < 1 || whichsled > kBGSledCount) return;
    const int sprite = m_sprites.BGSledSprite[std::size_t(whichsled)];
    m_ctx.drawing.MoveSpriteY(sprite, -1);
    m_ctx.drawing.MoveSpriteX(sprite, kRota[std::size_t(whichsled)].dx);
}

// Riding penguins -------------------------------------------------------------------------------

void Sleds::UpdatePengSled() {
    m_ctx.Throttled(PengSledLastMove, kRideThrottleMs, [this] { MovePengSled(); });
    m_ctx.drawing.DrawSprite(m_sprites.PengSledSprite);
}

void Sleds::UpdatePengSki() {
    m_ctx.Throttled(PengSkiLastMove, kRideThrottleMs, [this] { MovePengSki(); });
    m_ctx.drawing.DrawSprite(m_sprites.PengSkiSprite);
}

void Sleds::MovePengSled() { RideStep(kSledRider, m_sprites.PengSledSprite, SledFields()); }
void Sleds::MovePengSki() { RideStep(kSkiRider, m_sprites.PengSkiSprite, SkiFields()); }

Sleds::RideFields Sleds::SledFields() {
    Clocks& c = m_ctx.clocks;
    return {c.PengSledGate, c.PengSledPhaseTicks, PengSledReady, PengSledOnTrack, PengSledStep,
            PengSledPhase,  PengSledY,            PengSledWidth, PengSledHeight};
}

Sleds::RideFields Sleds::SkiFields() {
    Clocks& c = m_ctx.clocks;
    return {c.PengSkiGate, c.PengSkiPhaseTicks, PengSkiReady, PengSkiOnTrack, PengSkiStep,
            PengSkiPhase,  PengSkiY,            PengSkiWidth, PengSkiHeight};
}

// Width and height always grow together, from the size read at the start of the step.
void Sleds::Grow(int sprite, RideFields f, int by) {
    m_ctx.drawing.SetSpriteHeight(sprite, f.height + by);
    m_ctx.drawing.SetSpriteWidth(sprite, f.width + by);
}

void Sleds::RideStep(const Rider& rider, int sprite, RideFields f) {
    DrawingControl& d = m_ctx.drawing;
    if (f.gate > rider.rideAboveGate && f.ready) {
        f.width = d.GetSpriteWidth(sprite);
        f.height = d.GetSpriteHeight(sprite);
        d.MoveSpriteY(sprite, -5);
        // On the slope the rider grows a little every other step.
        if (f.step == 2 && f.onTrack && f.width < rider.slopeGrowthBelowWidth) {
            Grow(sprite, f, 3);
            d.MoveSpriteX(sprite, -2);
            d.MoveSpriteY(sprite, -3);
            f.step = 0;
        }
        f.y = d.GetSpriteY(sprite);
        if (f.y > rider.slopeEndsBelowY) {
            f.onTrack = false;
            d.SetSpriteFrame(sprite, kFlightFrame);
        }
        if (!f.onTrack) {
            switch (f.phase) {
            case 1:  // rising over the jump
                Grow(sprite, f, 5);
                d.MoveSpriteX(sprite, -2);
                d.MoveSpriteY(sprite, 15);
                if (f.y < 100) {
                    f.phase = 2;
                    f.phaseTicks = 0;
                }
                break;
            case 2:  // hanging in the air for about half a second
                Grow(sprite, f, 5);
                d.MoveSpriteX(sprite, -2);
                if (f.phaseTicks == 2) {
                    f.phase = 3;
                    f.phaseTicks = 0;
                }
                break;
            case 3:  // starting to fall
                Grow(sprite, f, 5);
                d.MoveSpriteX(sprite, -2);
                d.MoveSpriteY(sprite, -2);
                if (f.phaseTicks == 2) f.phase = 4;
                break;
            case 4:  // dropping towards the viewer
                Grow(sprite, f, 8);
                d.MoveSpriteY(sprite, -7);
                d.MoveSpriteX(sprite, -2);
                if (f.y > kOffScreenY) f.phase = 1;
                break;
            default: break;
            }
        }
        ++f.step;
        if (f.width > 170) d.MoveSpriteY(sprite, -2);  // near riders fall faster
        if (f.y > kOffScreenY) {
            f.onTrack = false;
            f.ready = false;
            d.SetSpriteY(sprite, rider.yAfterRide);
            d.SetSpriteX(sprite, kTopX);
            d.SetSpriteWidth(sprite, kStartSize);
            d.SetSpriteHeight(sprite, kStartSize);
            if (rider.firstFrameAfterRide) d.SetSpriteFrame(sprite, 1);
            f.y = kTopY;
        }
    }
    if (f.gate > rider.rearmAboveGate) {
        f.gate = rider.rearmGateTo;
        f.ready = true;
        f.step = 0;
        d.SetSpriteY(sprite, kTopY);
        d.SetSpriteX(sprite, kTopX);
        f.y = kTopY;
        d.SetSpriteFrame(sprite, 1);
        f.onTrack = true;
    }
}

}  // namespace hq
