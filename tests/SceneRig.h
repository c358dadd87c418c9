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

    // Moves the tick count on by `ms` (only the tick count: timers do not run), draws one frame and
    // returns the drawing calls it made.
    std::vector<std::string> FrameAfter(std::uint32_t ms) {
        tick += ms;
        host.SetTickCount(tick);
        drawing.Log.Clear();
        window->FrameDue();
        return drawing.Log.Calls();
    }
    // Places a sprite, as the scene's own moves would have.
    void Place(int sprite, int x, int y) {
        drawing.SetSpriteX(sprite, x);
        drawing.SetSpriteY(sprite, y);
    }
    const RecordingDrawing::Sprite& State(int sprite) const { return drawing.SpriteState(sprite); }

    std::uint32_t tick = 1000;  // the simulated host's tick count when the window opens
};

inline std::string Draw(int sprite) { return "DrawSprite(" + std::to_string(sprite) + ")"; }
inline std::string Call(const char* name, int sprite, int value) {
    return std::string(name) + "(" + std::to_string(sprite) + "," + std::to_string(value) + ")";
}
inline int Count(const std::vector<std::string>& calls, const std::string& call) {
    return int(std::count(calls.begin(), calls.end(), call));
}
inline bool Has(const std::vector<std::string>& calls, const std::string& call) { return Count(calls, call) > 0; }
inline int IndexIn(const std::vector<std::string>& calls, const std::string& call) {
    auto it = std::find(calls.begin(), calls.end(), call);
    return it == calls.end() ? -1 : int(it - calls.begin());
}
// The calls about one sprite whose text starts with `name`.
inline std::vector<std::string> CallsOf(const std::vector<std::string>& calls, const std::string& name, int sprite) {
    std::vector<std::string> out;
    const std::string prefix = name + "(" + std::to_string(sprite) + ",";
    for (const auto& c : calls)
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
}
// The value set by the last call `name(sprite, value)` in the calls; `fallback` when none.
inline int LastValue(const std::vector<std::string>& calls, const std::string& name, int sprite, int fallback) {
    auto all = CallsOf(calls, name, sprite);
    if (all.empty()) return fallback;
    const std::string& c = all.back();
    return std::stoi(c.substr(c.find(',') + 1));
}

}  // namespace hq::test
