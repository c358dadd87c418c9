#pragma once
// A saver window whose frames a test draws one at a time, at tick counts it chooses, with no timer
// running in between; the test sets the timers' counters itself.
#include <algorithm>
#include <string>
#include <vector>

#include "SaverRig.h"

namespace hq::test {

struct SceneRig : SaverRig {
    using SaverRig::SaverRig;

    SaverWindow& Open() { return SaverRig::Open(0); }
    Scene& scene() { return window->Village; }
    const Catalogue& sprites() { return window->Village.Sprites; }
    Clocks& clocks() { return window->TimerClocks; }
    const RecordingDrawing::Sprite& State(int sprite) const { return drawing.SpriteState(sprite); }
    void Place(int sprite, int x, int y) {
        drawing.SetSpriteX(sprite, x);
        drawing.SetSpriteY(sprite, y);
    }
    // Moves only the tick count on by `ms`, draws one frame and returns its drawing calls.
    std::vector<std::string> FrameAfter(std::uint32_t ms) {
        host.SetTickCount(tick += ms);
        drawing.Log.Clear();
        window->FrameDue();
        return drawing.Log.Calls();
    }

    std::uint32_t tick = 1000;  // the simulated host's tick count when the window opens
};

inline std::string Draw(int sprite) { return "DrawSprite(" + std::to_string(sprite) + ")"; }
inline std::string Call(const char* name, int sprite, int value) {
    return std::string(name) + "(" + std::to_string(sprite) + "," + std::to_string(value) + ")";
}
inline int IndexIn(const std::vector<std::string>& calls, const std::string& call) {
    auto it = std::find(calls.begin(), calls.end(), call);
    return it == calls.end() ? -1 : int(it - calls.begin());
}
inline bool Has(const std::vector<std::string>& calls, const std::string& call) { return IndexIn(calls, call) >= 0; }
// The calls `name(sprite, ...)`, in order.
inline std::vector<std::string> CallsOf(const std::vector<std::string>& calls, const std::string& name, int sprite) {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.rfind(name + "(" + std::to_string(sprite) + ",", 0) == 0) out.push_back(c);
    return out;
}
// The value of the last call `name(sprite, value)`; `fallback` when there is none.
inline int LastValue(const std::vector<std::string>& calls, const std::string& name, int sprite, int fallback) {
    auto all = CallsOf(calls, name, sprite);
    return all.empty() ? fallback : std::stoi(all.back().substr(all.back().find(',') + 1));
}

}  // namespace hq::test
