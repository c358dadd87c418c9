#include "music/Playlist.h"

#include <utility>

#include "settings/Conversions.h"
#include "settings/SaverSettings.h"

namespace hq {

namespace {
// Minutes offered for the music cut-off, and their seconds.
constexpr std::pair<int, int> kSoundOffTable[] = {
    {1, 60},       {2, 120},      {3, 180},      {4, 240},      {5, 300},      {10, 600},     {15, 900},
    {20, 1200},    {30, 1800},    {45, 2700},    {60, 3600},    {90, 5400},    {120, 7200},   {180, 10800},
    {240, 14400},  {300, 18000},  {360, 21600},  {420, 25200},  {480, 28800},
};
constexpr std::int32_t kMusicSecondsLimit = 86398;
}  // namespace

Playlist::Playlist(SoundControl& sound, WindowTimer& songTimer, WindowTimer& animationTimer,
                   const SaverSettings& settings, const std::string& assetFolder)
    : m_sound(sound), m_songTimer(songTimer), m_animationTimer(animationTimer), m_settings(settings),
      m_assetFolder(assetFolder) {}

std::string Playlist::CarolPath(const std::string& assetFolder, int carol) {
    return assetFolder + "Music/midi" + std::to_string(carol) + ".mid";
}

bool Playlist::CarolOn(int carol) const {
    return carol >= 1 && carol <= kCarolCount && m_settings.CarolOn[carol] == 1;
}

bool Playlist::AnyCarolOn() const {
    for (int n = 1; n <= kCarolCount; ++n)
        if (CarolOn(n)) return true;
    return false;
}

// A number below 1 (S pressed before the first carol, or more often than the carol's number)
// counts as carol 1; one above 36 wraps to 1 as the search does.
void Playlist::KeepSongInRange() {
    if (CurrentSong < 1 || CurrentSong > kCarolCount) CurrentSong = 1;
}

void Playlist::SongTimerTick() {
    if (m_sound.IsPlaying()) return;
    m_songTimer.SetEnabled(false);
    if (++CurrentSong == kCarolCount + 1) CurrentSong = 1;
    MidiSoundsCheckedNext();
    MidiSounds();
}

void Playlist::MidiSoundsCheckedNext() {
    KeepSongInRange();
    // With every carol off there is nothing to find: play nothing and leave the timer stopped.
    if (!AnyCarolOn()) return;
    while (!CarolOn(CurrentSong)) {
        if (++CurrentSong > kCarolCount) CurrentSong = 1;
    }
    m_songTimer.SetEnabled(true);
}

void Playlist::MidiSounds() {
    KeepSongInRange();
    if (!AnyCarolOn()) return;
    if (CarolOn(CurrentSong)) m_sound.PlayFile(CarolPath(m_assetFolder, CurrentSong), 0, -1);
    else ++CurrentSong;
    m_songTimer.SetEnabled(true);
}

void Playlist::NextSong() { m_sound.StopPlayback(); }

void Playlist::PreviousSong() {
    CurrentSong -= 2;
    if (CurrentSong < 0) CurrentSong = 35;
    m_sound.StopPlayback();
}

void Playlist::StopAllMusic() {
    m_sound.StopPlayback();
    m_songTimer.SetEnabled(false);
}

void Playlist::StartAllMusic() {
    CurrentSong -= 1;
    m_songTimer.SetEnabled(true);
}

void Playlist::SoundOff() {
    auto minutes = ParseNumber(m_settings.SoundOffMinutes);
    if (!minutes) return;
    for (auto [m, seconds] : kSoundOffTable)
        if (*minutes == m) SoundOffSeconds = seconds;
}

void Playlist::SoundOffCount() {
    // "0" and, by extension, text that is not a number ("Never") mean no cut-off.
    auto minutes = ParseNumber(m_settings.SoundOffMinutes);
    if (!minutes || *minutes == 0) return;
    ++MusicSeconds;
    if (MusicSeconds >= SoundOffSeconds) {
        m_sound.StopPlayback();
        m_songTimer.SetEnabled(false);
        m_animationTimer.SetEnabled(false);
    }
    if (MusicSeconds > kMusicSecondsLimit) MusicSeconds = 0;
}

}  // namespace hq

