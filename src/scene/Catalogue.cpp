#include "scene/Catalogue.h"

namespace hq {

namespace {

constexpr const char* kOpenFailedTitle = "Error opening Direct Draw!";
constexpr const char* kOpenFailedText =
    "The screensaver stated you were using 16-bit color\r\n"
    "\r\n"
    "However when it attempted to activate, you do not seem to be using 16-bit color\r\n"
    "\r\n"
    "We have added a button SET COLOR HERE in the configuration area of the screensavers control box\r\n"
    "Please go to that now and change your color setting";

// Where each flake layer waits when the display opens (flake k at index k - 1).
constexpr int kTinyFlakeX[kFlakesPerLayer] = {80, 210, 280, 410, 550, 625, 780, 820, 975};
constexpr int kTinyFlakeY[kFlakesPerLayer] = {-50, -50, -50, -50, -50, -50, -50, -50, -50};
constexpr int kSmallFlakeX[kFlakesPerLayer] = {25, 185, 320, 420, 510, 645, 760, 850, 955};
constexpr int kSmallFlakeY[kFlakesPerLayer] = {-100, -100, -100, -100, -100, -100, -100, -100, -100};
constexpr int kBigFlakeX[kFlakesPerLayer] = {-15, 300, 575, 750, 955, 75, 325, 455, 775};
constexpr int kBigFlakeY[kFlakesPerLayer] = {40, 400, -5, 520, 175, 390, 100, 600, 275};

// The six background sleds' starting places; the sleds return to them after each run.
constexpr int kBGSledStartX[kBGSledCount + 1] = {0, 120, 126, 118, 676, 680, 678};
constexpr int kBGSledStartY[kBGSledCount + 1] = {0, 50, 50, 50, 56, 56, 54};

constexpr int kRiderSize = 24;  // the riding penguins start this small and grow as they come closer

std::vector<std::string> Numbered(const std::string& prefix, std::initializer_list<const char*> suffixes) {
    std::vector<std::string> files;
    for (const char* s : suffixes) files.push_back(prefix + s + ".bmp");
    return files;
}

}  // namespace

bool Catalogue::OpenDirectDrawSession() {
    DrawingControl& d = m_ctx.drawing;
    if (!d.OpenDisplay(kScreenWidth, kScreenHeight, kBitsPerPixel, "")) {
        m_ctx.system.MessageBox(kOpenFailedTitle, kOpenFailedText, MessageIcon::Critical);
        return false;
    }
    const auto& layerOn = m_ctx.settings.LayerOn;
    if (layerOn[kTinyFlakeLayer] == 1) CreateFlakes(TinyFlakeSprite, "tinyflake-", kTinyFlakeX, kTinyFlakeY);
    if (layerOn[kSmallFlakeLayer] == 1) CreateFlakes(SmallFlakeSprite, "smflake-", kSmallFlakeX, kSmallFlakeY);
    if (layerOn[kBigFlakeLayer] == 1) CreateFlakes(BigFlakeSprite, "flake-", kBigFlakeX, kBigFlakeY);

    BackgroundSprite = Create({"bg3.bmp"}, kNone, kNone, 0, 33, kKeyOpaque);
    HouseSprite = Create(Numbered("House", {"1", "2", "3"}), 1, 250, 748, 50);
    for (int k = 1; k <= kBGSledCount; ++k)
        BGSledSprite[k] = Create({"BGSled.bmp"}, kNone, kNone, kBGSledStartX[k], kBGSledStartY[k]);
    BGSledersSprite1 = Create(Numbered("BGSleders", {"1", "2", "3"}), 1, 100, 110, 50);
    BGSledersSprite2 = Create(Numbered("BGSleders", {"1", "2", "3"}), 1, 100, 740, 32);
    SmallPengSkiSprite1 = Create(Numbered("smpengski", {"1", "2"}), 1, 200, 360, 136);
    SmallPengSkiSprite2 = Create(Numbered("smpengski", {"1", "2"}), 2, 200, 368, 136);
    SmallPengSledSprite = Create({"smpengsled.bmp"}, kNone, kNone, 364, 130);
    CandyCaneSprite2 = Create({"candycane2.bmp"}, kNone, kNone, 313, 225);
    CandyCaneSprite1 = Create({"candycane1.bmp"}, kNone, kNone, 390, 225);
    FenceLeftSprite = Create({"FenceL.bmp"}, kNone, kNone, 0, 265);
    FenceRightSprite = Create({"FenceR.bmp"}, kNone, kNone, 447, 263);
    XmasTreeSprite1 = Create({"XmasTree.bmp"}, kNone, kNone, -25, 140);
    XmasTreeSprite2 = Create({"XmasTree.bmp"}, kNone, kNone, 110, 130);
    TreesLeftSprite1 = Create({"TreesL1.bmp"}, kNone, kNone, 0, 40);
    TreesLeftSprite2 = Create({"TreesL2.bmp"}, kNone, kNone, 200, 86);
    TreesRightSprite1 = Create({"TreesR1.bmp"}, kNone, kNone, 440, 75);
    TreesRightSprite2 = Create({"TreesR2.bmp"}, kNone, kNone, 641, 40);
    HoleSprite = Create({"hole.bmp"}, kNone, kNone, 530, 380);
    PenguinSkateSprite = Create(Numbered("PengSkate", {"1", "2"}), 1, 200, 800, 350);
    PengSledSprite = Create({"pengsled.bmp", "pengsled3.bmp"}, kNone, kNone, 360, 134);
    d.SetSpriteWidth(PengSledSprite, kRiderSize);
    d.SetSpriteHeight(PengSledSprite, kRiderSize);
    PengSkiSprite = Create(Numbered("pengski", {"1", "2", "3"}), kNone, kNone, 360, 134);
    d.SetSpriteWidth(PengSkiSprite, kRiderSize);
    d.SetSpriteHeight(PengSkiSprite, kRiderSize);
    PengFishSpriteA = Create(Numbered("PengFish", {"2", "3"}), 1, 200, 531, 290);
    PengFishSpriteB = Create(Numbered("PengFish", {"4", "5", "6", "7"}), 1, 200, 531, 290);
    PengFishSpriteC = Create(Numbered("PengFish", {"8", "9", "10", "10"}), 1, 200, 531, 290);
    ElfJackSpriteA = Create(Numbered("ElfJack", {"4", "5"}), 1, 200, 581, 200);
    ElfJackSpriteB = Create(Numbered("ElfJack", {"3", "2", "1"}), 1, 200, 581, 200);
    ElfJackSpriteC = Create(Numbered("ElfJack", {"2", "1"}), 1, 200, 581, 200);
    ElfWorkSprite = Create(Numbered("ElfWork", {"1", "2"}), 1, 200, 667, 207);
    // The reindeer nods eight times, then holds its third pose for three frames.
    ElfDeerSprite = Create(Numbered("ElfDeer", {"1", "2", "1", "2", "1", "2", "1", "2", "1", "2", "1", "2", "1",
                                                "2", "1", "2", "3", "3", "3"}),
                           1, 200, 555, 125);
    PoleSprite = Create(Numbered("Pole", {"1", "2"}), 1, 1900, 180, 134);
    DecTreeSprite = Create(Numbered("DecTree", {"1", "2", "3"}), 1, 200, 26, 68);
    WreathSprite1 = Create(Numbered("Wreath", {"1", "2", "3"}), 1, 200, 70, 272);
    WreathSprite2 = Create(Numbered("Wreath", {"1", "2", "3"}), 3, 200, 715, 299);
    // The strings of lights twinkle in a fixed shuffle of their five pictures.
    LightsLeftSprite = Create(Numbered("LightsL", {"1", "2", "3", "4", "5", "2", "4", "1", "5", "3"}), 1, 200, 0, 272);
    LightsRightSprite =
        Create(Numbered("LightsR", {"1", "2", "3", "4", "5", "2", "4", "1", "5", "3"}), 1, 200, 456, 275);
    // The snowball fight: two volleys, a dodge, another volley, the big throw and its echo.
    FightSprite = Create(Numbered("Fight", {"01", "02", "03", "04", "05", "01", "02", "03", "04", "05", "01", "02",
                                            "03", "06", "07", "01", "02", "03", "08", "09", "10", "11", "12", "11",
                                            "12", "11", "12"}),
                         1, 150, 220, 165);
    MrsSantaSprite = Create(Numbered("MrsSantaSkate", {"1", "1b", "2", "2b", "3", "3b", "4", "4b"}), 1, 500, 900, 340);
    SantaSprite = Create(Numbered("SantaSkate", {"1", "2", "3", "4", "5", "1b", "2b", "3b", "4b", "5b"}), 1, 500, 800,
                         390);
    SnowmanSprite = Create(Numbered("Snowman", {"1", "2", "3", "4"}), 1, 500, -200, 230);
    return true;
}

int Catalogue::Create(const std::vector<std::string>& files, int startFrame, int frameDelay, int x, int y,
                      int keyMode) {
    DrawingControl& d = m_ctx.drawing;
    const int sprite = d.CreateSprite();
    int frame = 1;
    for (const std::string& file : files) d.LoadSpriteFrame(sprite, frame++, m_ctx.assetFolder + file, keyMode);
    if (startFrame != kNone) d.SetSpriteFrame(sprite, startFrame);
    if (frameDelay != kNone) d.SetFrameDelay(sprite, frameDelay);
    d.SetSpriteY(sprite, y);
    d.SetSpriteX(sprite, x);
    return sprite;
}

void Catalogue::CreateFlakes(std::array<int, kFlakeSlots>& sprites, const char* filePrefix,
                             const int (&x)[kFlakesPerLayer], const int (&y)[kFlakesPerLayer]) {
    for (int i = 0; i < kFlakesPerLayer; ++i)
        sprites[std::size_t(i)] =
            Create({std::string(filePrefix) + std::to_string(i + 1) + ".bmp"}, kNone, kNone, x[i], y[i]);
}

}  // namespace hq
