#pragma once
// A saver window on the simulated host, with recording controls and an in-memory store, and the
// helpers that read its drawing calls.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/Recording.h"
#include "platform/sim/SimHost.h"
#include "saver/SaverWindow.h"

namespace hq::test {

struct SaverRig {
    explicit SaverRig(CivilDate date = {2026, 12, 6}, double secondsSinceMidnight = 17 * 3600.0)
        : host(date, secondsSinceMidnight), drawing([this] { return host.GetTickCount(); }) {
        host.Log.Forward = &journal;
        drawing.Log.Forward = &journal;
        sound.Log.Forward = &journal;
    }

    // Creates the window; store values set before this call are what it reads.
    SaverWindow& Open(std::uint32_t frameIntervalMs = 0) {
        window = std::make_unique<SaverWindow>(SaverPlatform{drawing, sound, store, host, host, "/assets/"});
        host.Attach(window.get(), window.get());
        window->Load();
        host.SetFrameInterval(frameIntervalMs);
        return *window;
    }
    // Stores a value as a user who has run the saver before would have it.
    void Set(const std::string& key, const std::string& value, const std::string& section = "Settings") {
        if (!store.Has("hollyq1", "Settings", "SetReg")) SetRegistry(store);
        store.SaveSetting("hollyq1", section, key, value);
    }
    void Set(std::initializer_list<std::pair<const char*, const char*>> settings) {
        for (const auto& [key, value] : settings) Set(key, value);
    }
    std::string Get(const std::string& key, const std::string& section = "Settings") {
        return store.GetSetting("hollyq1", section, key, "<absent>");
    }
    void Seconds(double s) { host.RunFor(std::uint64_t(s * 1000)); }
    // The carols started so far, by number.
    std::vector<int> Played() const {
        std::vector<int> out;
        for (const auto& call : sound.Log.Matching("PlayFile(")) {
            auto at = call.find("midi") + 4;
            out.push_back(std::stoi(call.substr(at)));
        }
        return out;
    }

    CallLog journal;  // every logged call of the host and both controls, in order
    SimHost host;
    RecordingDrawing drawing;
    RecordingSound sound;
    MemorySettingsStore store;
    std::unique_ptr<SaverWindow> window;
};

// A saver window whose frames a test draws one at a time, at tick counts it chooses, with no timer
// running in between; the test sets the timers' counters itself.
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
