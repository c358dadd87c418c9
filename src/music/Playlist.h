#pragma once
// The carol playlist: carols play one after another in ascending order, skipping those switched
// off and wrapping from the last to the first. A song timer polls the sound control and moves on
// whenever nothing plays; the music keys only stop the sound or shift the number, and the timer
// does the change at its next tick.
#include <array>
#include <cstdint>
#include <string>

#include "platform/SoundControl.h"
#include "platform/Timers.h"
#include "settings/Schema.h"

namespace hq {

struct SaverSettings;

class Playlist {
public:
    Playlist(SoundControl& sound, WindowTimer& songTimer, WindowTimer& animationTimer, const SaverSettings& settings,
             const std::string& assetFolder);

    int CurrentSong = 0;          // the carol playing or last started; 0 before the first
    int SoundOffSeconds = 0;      // the cut-off; 0 until SoundOff sets it
    std::int32_t MusicSeconds = 0;  // seconds counted towards the cut-off

    static constexpr std::uint32_t kSongTimerMs = 1050;

    void MidiSoundsCheckedNext();
    void MidiSounds();
    void SongTimerTick();

    void NextSong();
    void PreviousSong();
    void StopAllMusic();
    void StartAllMusic();

    void SoundOff();
    void SoundOffCount();  // once per one-second tick

    static std::string CarolPath(const std::string& assetFolder, int carol);

private:
    bool CarolOn(int carol) const;
    bool AnyCarolOn() const;
    void KeepSongInRange();

    SoundControl& m_sound;
    WindowTimer& m_songTimer;
    WindowTimer& m_animationTimer;
    const SaverSettings& m_settings;
    const std::string& m_assetFolder;
};

}  // namespace hq
