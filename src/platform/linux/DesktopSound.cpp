// Carols through FluidSynth: one synthesizer, fed by SDL's audio callback, plays one Standard
// MIDI File at a time. Every call into the synthesizer and its player happens under one lock,
// so the player can be replaced safely between two audio buffers.
#include "platform/linux/DesktopSound.h"

#include <SDL.h>
#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>

namespace hq {

namespace {

constexpr double kGain = 0.7;
constexpr int kSampleRate = 44100;
constexpr Uint16 kBufferFrames = 1024;  // about 23 ms
constexpr std::size_t kLargestMidiFile = 16 << 20;
// A file whose tracks have not appeared by then could not be read by the player.
constexpr std::chrono::milliseconds kNoTracksGrace{1500};
// Marks SDL user events that carry a sound control's announcement.
constexpr char kSoundEventTag[] = "hollyquill-sound";

std::uint32_t BigEndian(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
    return v;
}

bool Readable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return bool(in);
}

// One playing file: what the player's thread reports about it.
struct PlayerProgress {
    std::atomic<int> tick{0};
    std::atomic<int> totalTicks{0};
    std::atomic<bool> announced{false};
};

class FluidSound final : public SoundControl {
public:
    explicit FluidSound(SoundEvents* events);
    ~FluidSound() override;
    FluidSound(const FluidSound&) = delete;
    FluidSound& operator=(const FluidSound&) = delete;

    void PlayFile(const std::string& path, int option1, int option2) override;
    void StopPlayback() override;
    bool IsPlaying() override;

    void Deliver(int generation);

private:
    void LoadSynth();
    void StartFile(const std::string& bytes);  // with the lock held and the synth ready
    void DropPlayer();                         // with the lock held
    static void Feed(void* self, Uint8* stream, int len);
    static int OnTick(void* self, int tick);
    static int IgnoreEvent(void*, fluid_midi_event_t*) { return FLUID_OK; }

    SoundEvents* m_events;
    Uint32 m_eventType = Uint32(-1);
    bool m_audioUp = false;
    SDL_AudioDeviceID m_device = 0;

    std::mutex m_mutex;
    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
    fluid_player_t* m_player = nullptr;
    std::unique_ptr<PlayerProgress> m_progress;
    bool m_ready = false;
    bool m_silent = false;
    std::optional<std::string> m_pending;  // asked for before the synthesizer was ready
    std::chrono::steady_clock::time_point m_startedAt;
    std::atomic<int> m_generation{0};

    std::thread m_loader;
};

FluidSound::FluidSound(SoundEvents* events) : m_events(events) {
    // FluidSynth's warnings (a preset missing on some channel) are no concern of the user's.
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    if (m_events) m_eventType = SDL_RegisterEvents(1);
    // Signals stay with whoever hosts the player (the saver's loop, the dialog's toolkit).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_audioUp = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    m_loader = std::thread([this] { LoadSynth(); });
}

FluidSound::~FluidSound() {
    m_loader.join();
    if (m_device) SDL_CloseAudioDevice(m_device);
    {
        std::lock_guard lock(m_mutex);
        DropPlayer();
        if (m_synth) delete_fluid_synth(m_synth);
        if (m_settings) delete_fluid_settings(m_settings);
        m_synth = nullptr;
        m_settings = nullptr;
    }
    if (m_audioUp) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (m_eventType != Uint32(-1) && SDL_WasInit(SDL_INIT_EVENTS)) SDL_FlushEvent(m_eventType);
}

void FluidSound::LoadSynth() {
    SDL_AudioDeviceID device = 0;
    if (m_audioUp) {
        SDL_AudioSpec want{};
        want.freq = kSampleRate;
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = kBufferFrames;
        want.callback = &FluidSound::Feed;
        want.userdata = this;
        SDL_AudioSpec have{};
        device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    }
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.gain", kGain);
    fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
    // Nothing renders without a device, so the player then keeps time by the clock instead of
    // by rendered samples.
    if (!device) fluid_settings_setstr(settings, "player.timing-source", "system");
    fluid_synth_t* synth = new_fluid_synth(settings);
    const std::string font = ChosenSoundFont();
    if (synth && !font.empty()) fluid_synth_sfload(synth, font.c_str(), 1);
    {
        std::lock_guard lock(m_mutex);
        m_settings = settings;
        m_synth = synth;
        m_silent = !device;
        m_ready = synth != nullptr;
        m_device = device;
        if (m_ready && m_pending) StartFile(*m_pending);
        m_pending.reset();
    }
    if (device) SDL_PauseAudioDevice(device, 0);
}

void FluidSound::Feed(void* self, Uint8* stream, int len) {
    auto* sound = static_cast<FluidSound*>(self);
    std::lock_guard lock(sound->m_mutex);
    const int frames = len / int(2 * sizeof(std::int16_t));
    if (!sound->m_synth) {
        std::memset(stream, 0, std::size_t(len));
        return;
    }
    fluid_synth_write_s16(sound->m_synth, frames, stream, 0, 2, stream, 1, 2);
}

int FluidSound::OnTick(void* data, int tick) {
    auto* sound = static_cast<FluidSound*>(data);
    // Runs on the player's thread while the lock is held (audio) or while the player cannot be
    // deleted (its timer is joined first), so m_player and m_progress are the playing file's.
    PlayerProgress* progress = sound->m_progress.get();
    if (!progress || !sound->m_player) return FLUID_OK;
    progress->tick = tick;
    // The length is known once the player has read the file; it walks every track to tell it.
    if (progress->totalTicks == 0) progress->totalTicks = fluid_player_get_total_ticks(sound->m_player);
    if (progress->totalTicks > 0 && tick >= progress->totalTicks && !progress->announced.exchange(true) &&
        sound->m_eventType != Uint32(-1)) {
        SDL_Event event{};
        event.type = sound->m_eventType;
        event.user.code = sound->m_generation;
        event.user.data1 = sound;
        event.user.data2 = const_cast<char*>(kSoundEventTag);
        SDL_PushEvent(&event);
    }
    return FLUID_OK;
}

void FluidSound::StartFile(const std::string& bytes) {
    fluid_synth_system_reset(m_synth);
    m_player = new_fluid_player(m_synth);
    if (!m_player) return;
    m_progress = std::make_unique<PlayerProgress>();
    if (m_silent) fluid_player_set_playback_callback(m_player, &FluidSound::IgnoreEvent, nullptr);
    fluid_player_set_tick_callback(m_player, &FluidSound::OnTick, this);
    fluid_player_add_mem(m_player, bytes.data(), bytes.size());
    fluid_player_play(m_player);
    m_startedAt = std::chrono::steady_clock::now();
}

void FluidSound::DropPlayer() {
    if (m_player) {
        fluid_player_stop(m_player);
        delete_fluid_player(m_player);
        m_player = nullptr;
    }
    m_progress.reset();
    if (m_synth) fluid_synth_all_sounds_off(m_synth, -1);
}

void FluidSound::PlayFile(const std::string& path, int, int) {
    std::optional<std::string> bytes;
    {
        std::ifstream in(path, std::ios::binary);
        std::string data;
        char buffer[65536];
        while (in && data.size() <= kLargestMidiFile) {
            in.read(buffer, sizeof buffer);
            data.append(buffer, std::size_t(in.gcount()));
        }
        if (data.size() <= kLargestMidiFile && IsCompleteMidiFile(data)) bytes = std::move(data);
    }
    std::lock_guard lock(m_mutex);
    ++m_generation;
    m_pending.reset();
    DropPlayer();
    if (!bytes) return;  // nothing to play: IsPlaying reports false and the playlist moves on
    if (!m_ready) {
        m_pending = std::move(bytes);
        return;
    }
    StartFile(*bytes);
}

void FluidSound::StopPlayback() {
    std::lock_guard lock(m_mutex);
    ++m_generation;
    m_pending.reset();
    DropPlayer();
}

bool FluidSound::IsPlaying() {
    std::lock_guard lock(m_mutex);
    if (m_pending) return true;
    if (!m_player || !m_progress) return false;
    if (fluid_player_get_status(m_player) != FLUID_PLAYER_PLAYING) return false;
    // The file has played once its last event has passed; the notes' release tails don't count.
    if (const int total = m_progress->totalTicks; total > 0) return m_progress->tick < total;
    return std::chrono::steady_clock::now() - m_startedAt < kNoTracksGrace;
}

void FluidSound::Deliver(int generation) {
    if (generation != m_generation || !m_events) return;
    m_events->SoundNotify();
}

}  // namespace

bool IsCompleteMidiFile(const std::string& bytes) {
    if (bytes.size() < 14 || bytes.compare(0, 4, "MThd") != 0) return false;
    const std::uint32_t headerLength = BigEndian(bytes, 4, 4);
    const std::uint32_t tracks = BigEndian(bytes, 10, 2);
    const std::uint32_t division = BigEndian(bytes, 12, 2);
    // Time in SMPTE frames (the top bit of the division) is not something the player reads.
    if (headerLength < 6 || tracks == 0 || division == 0 || (division & 0x8000) != 0) return false;
    std::uint64_t at = 8 + std::uint64_t(headerLength);
    std::uint32_t found = 0;
    while (found < tracks && at + 8 <= bytes.size()) {
        const std::uint64_t length = BigEndian(bytes, std::size_t(at + 4), 4);
        if (at + 8 + length > bytes.size()) return false;
        if (bytes.compare(std::size_t(at), 4, "MTrk") == 0) ++found;
        at += 8 + length;
    }
    return found == tracks;
}

std::string ChosenSoundFont() {
    if (const char* env = std::getenv("HOLLYQUILL_SOUNDFONT"); env && *env && Readable(env)) return env;
    return Readable(kDefaultSoundFont) ? kDefaultSoundFont : "";
}

std::unique_ptr<SoundControl> MakeDesktopSound(SoundEvents* events) { return std::make_unique<FluidSound>(events); }

bool DeliverSoundEvent(const SDL_Event& event) {
    if (event.type < SDL_USEREVENT || event.user.data2 != static_cast<const void*>(kSoundEventTag)) return false;
    static_cast<FluidSound*>(event.user.data1)->Deliver(event.user.code);
    return true;
}

}  // namespace hq
