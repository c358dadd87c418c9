#pragma once
// A saver window on the simulated host, with recording controls and an in-memory store.
#include <memory>

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

}  // namespace hq::test
