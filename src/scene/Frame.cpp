#include "scene/Frame.h"

namespace hq {

namespace {

// Elf jack scene, by ElfJackCount (seconds).
constexpr int kElfJackFirstPhaseBelow = 5;
constexpr int kElfJackFinaleFrame = 3;  // ElfJackSpriteB showing this hands over to the finale
constexpr int kElfJackCycleAbove = 15;

// Fishing scene, by PengFishCount (seconds).
constexpr int kFishWaitBelow = 12;
constexpr int kFishCatchFrame = 4;  // PengFishSpriteB showing this ends the catch ...
constexpr int kFishHoldFrom = 16;   // ... and jumps the count here, to hold the catch up
constexpr int kFishHoldTo = 18;
constexpr int kFishLastFrame = 4;  // PengFishSpriteC showing this starts the cycle again

}  // namespace

void Frame::SetStartingValues() { PengFishReady = true; }

void Frame::ComposeFrame() {
    DrawingControl& d = m_ctx.drawing;
    const SaverSettings& settings = m_ctx.settings;
    const Catalogue& s = m_sprites;

    d.ClearScreen(kClearColour);
    m_ctx.StaticDraw(s.BackgroundSprite);
    // Message and day count lie under every scene sprite.
    if (settings.ShowMessage == 1) m_texts.DrawMessage();
    if (settings.ShowCountDown == 1) m_texts.DrawCountDown();

    // The far hill: the small riders waiting at its top, the background sleds and sledders.
    m_ctx.StaticDraw(s.SmallPengSledSprite);
    m_ctx.AnimatedDraw(s.SmallPengSkiSprite2);
    m_ctx.AnimatedDraw(s.SmallPengSkiSprite1);
    for (int k = 1; k <= kBGSledCount; ++k) m_sleds.UpdateBGSled(k);
    m_ctx.AnimatedDraw(s.BGSledersSprite1);
    m_ctx.AnimatedDraw(s.BGSledersSprite2);

    // The elves' yard and the snowball fight.
    m_ctx.AnimatedDraw(s.ElfDeerSprite);
    m_ctx.AnimatedDraw(s.PoleSprite);
    m_ctx.AnimatedDraw(s.ElfWorkSprite);
    ElfJackScene();
    m_ctx.AnimatedDraw(s.FightSprite);

    // Fences, trees and decorations.
    for (int sprite : {s.FenceLeftSprite, s.FenceRightSprite, s.TreesLeftSprite2, s.TreesLeftSprite1,
                       s.TreesRightSprite2, s.TreesRightSprite1, s.XmasTreeSprite1, s.XmasTreeSprite2})
        m_ctx.StaticDraw(sprite);
    m_ctx.AnimatedDraw(s.DecTreeSprite);
    m_ctx.StaticDraw(s.CandyCaneSprite1);
    m_ctx.StaticDraw(s.CandyCaneSprite2);
    for (int sprite : {s.LightsLeftSprite, s.LightsRightSprite, s.WreathSprite1, s.WreathSprite2})
        m_ctx.AnimatedDraw(sprite);

    // The pond, its skaters, and the riders coming down the near hill.
    FishingScene();
    m_skaters.UpdateSnowman();
    m_skaters.UpdatePenguin();
    m_skaters.UpdateMrsSanta();
    m_skaters.UpdateSanta();
    m_sleds.UpdatePengSled();
    m_sleds.UpdatePengSki();
    m_ctx.AnimatedDraw(s.HouseSprite);

    // Clock and directions lie over the scene but under the snow.
    if (settings.ShowClock == 1) m_texts.DrawClock();
    if (settings.ShowDirections) m_texts.DrawDirections();
    m_snow.UpdateSnow();
    d.ShowFrame();
}

// Five seconds of the first pose, then the jack goes down until ElfJackSpriteB shows its third
// frame, then the finale until the count passes 15. ElfJackSpriteB resumes each cycle from the
// frame it stopped on.
void Frame::ElfJackScene() {
    int& count = m_ctx.clocks.ElfJackCount;
    if (count < kElfJackFirstPhaseBelow) m_ctx.AnimatedDraw(m_sprites.ElfJackSpriteA);
    if (count >= kElfJackFirstPhaseBelow && !ElfJackFinale) {
        m_ctx.AnimatedDraw(m_sprites.ElfJackSpriteB);
        ElfJackFrame = m_ctx.drawing.GetSpriteFrame(m_sprites.ElfJackSpriteB);
        if (ElfJackFrame == kElfJackFinaleFrame) ElfJackFinale = true;
    }
    if (ElfJackFinale) {
        m_ctx.AnimatedDraw(m_sprites.ElfJackSpriteC);
        if (count > kElfJackCycleAbove) {
            count = 0;
            ElfJackFinale = false;
        }
    }
}

// Twelve seconds of waiting, the catch until its fourth frame, the catch held up for three
// seconds, then the fish goes in the bucket until its fourth frame starts it all again.
void Frame::FishingScene() {
    DrawingControl& d = m_ctx.drawing;
    int& count = m_ctx.clocks.PengFishCount;
    m_ctx.StaticDraw(m_sprites.HoleSprite);
    if (count < kFishWaitBelow) m_ctx.AnimatedDraw(m_sprites.PengFishSpriteA);
    if (count >= kFishWaitBelow && PengFishReady) {
        m_ctx.AnimatedDraw(m_sprites.PengFishSpriteB);
        PengFishFrameB = d.GetSpriteFrame(m_sprites.PengFishSpriteB);
        if (PengFishFrameB == kFishCatchFrame) {
            PengFishReady = false;
            count = kFishHoldFrom;
        }
    }
    if (count >= kFishHoldFrom && count <= kFishHoldTo) {
        d.SetSpriteFrame(m_sprites.PengFishSpriteB, kFishCatchFrame);
        m_ctx.StaticDraw(m_sprites.PengFishSpriteB);
    }
    if (count > kFishHoldTo) {
        m_ctx.AnimatedDraw(m_sprites.PengFishSpriteC);
        PengFishFrameC = d.GetSpriteFrame(m_sprites.PengFishSpriteC);
        if (PengFishFrameC == kFishLastFrame) {
            PengFishReady = true;
            count = 0;
            d.SetSpriteFrame(m_sprites.PengFishSpriteA, 1);
            d.SetSpriteFrame(m_sprites.PengFishSpriteB, 1);
            d.SetSpriteFrame(m_sprites.PengFishSpriteC, 1);
        }
    }
}

}  // namespace hq
