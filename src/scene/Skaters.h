#pragma once
// The four skaters on the frozen pond. Santa, Mrs Santa and the snowman cross in either direction
// and strike a new pose every few seconds; the penguin always skates leftwards and changes pose at
// fixed places. Each re-enters on a new random lane once it has left the screen.
#include <cstdint>

#include "scene/Catalogue.h"
#include "scene/SceneContext.h"

namespace hq {

class Skaters {
public:
    Skaters(SceneContext& context, Catalogue& sprites) : m_ctx(context), m_sprites(sprites) {}

    static constexpr int kRight = 1;
    static constexpr int kLeft = 2;

    void SetStartingValues();

    // The per-frame updates, run in this order by the frame.
    void UpdateSnowman();
    void UpdatePenguin();
    void UpdateMrsSanta();
    void UpdateSanta();

    // The movers, each given a copy of its skater's direction.
    void MoveSnowMan(int direction);
    void MoveMrsSanta(int direction);
    void MoveSanta(int direction);
    void MovePenguin();

    int SnowmanDir = kRight;
    int MrsSantaDir = kLeft;
    int SantaDir = kRight;
    int SnowmanX = 0;  // read back after each update
    int MrsSantaX = 0;
    int SantaX = 0;
    std::int32_t PenguinX = 0;
    std::uint32_t SnowmanLastMove = 0;
    std::uint32_t MrsSantaLastMove = 0;
    std::uint32_t SantaLastMove = 0;
    std::uint32_t PenguinLastMove = 0;

private:
    // What sets one figure skater apart from the others.
    struct Figure {
        int shownAboveGate;       // drawn only while its gate counter is above this
        std::uint32_t throttleMs;  // between mover calls
        int step;                 // pixels per mover call
        int laneSpan, laneTop;    // new lane: Int(Rnd * laneSpan + laneTop)
        int poseAt;               // a new pose when the pose counter reads this
        int frames;
    };
    static constexpr Figure kSnowman{4, 15, 2, 51, 230, 3, 4};
    static constexpr Figure kMrsSanta{1, 21, 3, 171, 330, 2, 8};
    static constexpr Figure kSanta{0, 13, 3, 171, 330, 2, 10};

    // The penguin's constants.
    static constexpr int kPenguinShownAboveGate = 9;
    static constexpr std::uint32_t kPenguinThrottleMs = 28;
    static constexpr int kPenguinStep = 3;
    static constexpr int kPenguinLaneSpan = 101, kPenguinLaneTop = 350;
    static constexpr int kPenguinEnterX = 800;
    static constexpr int kPenguinLeaveBelowX = -100;

    // Where a skater has left the screen and where it comes back in.
    static constexpr int kRightEdge = 800;   // moving right, restarts once x read back exceeds this
    static constexpr int kLeftEdge = -230;   // moving left, restarts once x read back is below this
    static constexpr int kEnterLeftX = -200;
    static constexpr int kEnterRightX = 800;
    static constexpr int kRestartFrameDelay = 200;

    void UpdateFigure(const Figure& figure, int sprite, int gate, int& poseCount, int& direction, int& x,
                      std::uint32_t& lastMove, void (Skaters::*mover)(int));
    void Skate(const Figure& figure, int sprite, int direction, int& directionField, int xField, bool reseed);

    SceneContext& m_ctx;
    Catalogue& m_sprites;
};

}  // namespace hq
