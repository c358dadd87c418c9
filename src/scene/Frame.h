#pragma once
// One frame of the village, painted from the far hills to the foreground: every scene sprite,
// each actor's step at its place, the texts and the snow, then ShowFrame. Also the two scripted
// scenes that live only here: the elf at the jack and the penguin fishing at the ice hole.
#include "scene/Catalogue.h"
#include "scene/SceneContext.h"
#include "scene/Skaters.h"
#include "scene/Sleds.h"
#include "scene/Snow.h"
#include "scene/Texts.h"

namespace hq {

class Frame {
public:
    Frame(SceneContext& context, Catalogue& sprites, Skaters& skaters, Sleds& sleds, Snow& snow, Texts& texts)
        : m_ctx(context), m_sprites(sprites), m_skaters(skaters), m_sleds(sleds), m_snow(snow), m_texts(texts) {}

    void SetStartingValues();
    void ComposeFrame();

    // Elf jack scene: the one-second ElfJackCount steps it through three phases.
    bool ElfJackFinale = false;
    int ElfJackFrame = 0;
    // Fishing scene: the one-second PengFishCount steps it through three phases and a hold.
    bool PengFishReady = false;
    int PengFishFrameB = 0;
    int PengFishFrameC = 0;

    static constexpr Rgb kClearColour = MakeRgb(0, 0, 0);

private:
    void ElfJackScene();
    void FishingScene();

    SceneContext& m_ctx;
    Catalogue& m_sprites;
    Skaters& m_skaters;
    Sleds& m_sleds;
    Snow& m_snow;
    Texts& m_texts;
};

}  // namespace hq
