#pragma once
// Every sprite of the village, created once when the display opens. The sprites are created in
// the order of this file, so their numbers follow it; the flake layers exist only when their
// setting is on.
#include <array>
#include <vector>
#include <string>

#include "scene/SceneContext.h"

namespace hq {

// Indexes of SaverSettings::LayerOn.
inline constexpr int kBigFlakeLayer = 1;
inline constexpr int kSmallFlakeLayer = 2;
inline constexpr int kTinyFlakeLayer = 3;

inline constexpr int kFlakesPerLayer = 9;  // flake k lives at index k - 1
inline constexpr int kFlakeSlots = 10;     // the last slot is never used
inline constexpr int kBGSledCount = 6;     // numbered 1 to 6

class Catalogue {
public:
    explicit Catalogue(SceneContext& context) : m_ctx(context) {}

    // Opens the 800 x 600 display and creates every sprite. When the display cannot be opened it
    // tells the user and returns false, with no sprite created.
    bool OpenDirectDrawSession();

    static constexpr int kScreenWidth = 800;
    static constexpr int kScreenHeight = 600;
    static constexpr int kBitsPerPixel = 16;

    std::array<int, kFlakeSlots> TinyFlakeSprite{};
    std::array<int, kFlakeSlots> SmallFlakeSprite{};
    std::array<int, kFlakeSlots> BigFlakeSprite{};
    int BackgroundSprite = 0;
    int HouseSprite = 0;
    std::array<int, kBGSledCount + 1> BGSledSprite{};  // indexed 1..6
    int BGSledersSprite1 = 0;
    int BGSledersSprite2 = 0;
    int SmallPengSkiSprite1 = 0;
    int SmallPengSkiSprite2 = 0;
    int SmallPengSledSprite = 0;
    int CandyCaneSprite2 = 0;
    int CandyCaneSprite1 = 0;
    int FenceLeftSprite = 0;
    int FenceRightSprite = 0;
    int XmasTreeSprite1 = 0;
    int XmasTreeSprite2 = 0;
    int TreesLeftSprite1 = 0;
    int TreesLeftSprite2 = 0;
    int TreesRightSprite1 = 0;
    int TreesRightSprite2 = 0;
    int HoleSprite = 0;
    int PenguinSkateSprite = 0;
    int PengSledSprite = 0;
    int PengSkiSprite = 0;
    int PengFishSpriteA = 0;
    int PengFishSpriteB = 0;
    int PengFishSpriteC = 0;
    int ElfJackSpriteA = 0;
    int ElfJackSpriteB = 0;
    int ElfJackSpriteC = 0;
    int ElfWorkSprite = 0;
    int ElfDeerSprite = 0;
    int PoleSprite = 0;
    int DecTreeSprite = 0;
    int WreathSprite1 = 0;
    int WreathSprite2 = 0;
    int LightsLeftSprite = 0;
    int LightsRightSprite = 0;
    int FightSprite = 0;
    int MrsSantaSprite = 0;
    int SantaSprite = 0;
    int SnowmanSprite = 0;

private:
    static constexpr int kNone = 0;  // no start frame or frame delay is set

    // CreateSprite, its frames in order, then start frame, frame delay, y and x.
    int Create(const std::vector<std::string>& files, int startFrame, int frameDelay, int x, int y,
               int keyMode = kKeyTransparent);
    void CreateFlakes(std::array<int, kFlakeSlots>& sprites, const char* filePrefix, const int (&x)[kFlakesPerLayer],
                      const int (&y)[kFlakesPerLayer]);

    SceneContext& m_ctx;
};

}  // namespace hq
