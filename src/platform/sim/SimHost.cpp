#include "platform/sim/SimHost.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>

namespace hq {

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();
}  // namespace

SimHost::SimHost(CivilDate start, double secondsSinceMidnight, std::uint32_t tickStart) : m_tickBase(tickStart) {
    using namespace std::chrono;
    const sys_days day{year{start.year} / month(unsigned(start.month)) / std::chrono::day(unsigned(start.day))};
    m_wallStart = double(day.time_since_epoch().count()) * kSecondsPerDay + secondsSinceMidnight;
}

double SimHost::WallSeconds() const { return m_wallStart + double(m_now) / 1000.0; }

std::uint32_t SimHost::GetTickCount() { return m_tickBase + std::uint32_t(m_now); }

double SimHost::SecondsSinceMidnight() {
    double wall = WallSeconds();
    return wall - std::floor(wall / kSecondsPerDay) * kSecondsPerDay;
}

std::string SimHost::LongTimeText() {
    int s = int(SecondsSinceMidnight());
    int h = s / 3600, m = s / 60 % 60, sec = s % 60;
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d %s", (h + 11) % 12 + 1, m, sec, h < 12 ? "AM" : "PM");
    return text;
}

CivilDate SimHost::Today() {
    using namespace std::chrono;
    const sys_days day{days{long(std::floor(WallSeconds() / kSecondsPerDay))}};
    const year_month_day ymd{day};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

int SimHost::ShowCursor(bool show) {
    Log.Add(show ? "ShowCursor(1)" : "ShowCursor(0)");
    return m_cursorCount += show ? 1 : -1;
}
void SimHost::SetScreenSaverRunning(bool running) {
    Log.Add(running ? "SetScreenSaverRunning(1)" : "SetScreenSaverRunning(0)");
    m_saverRunning = running;
}
void SimHost::MessageBox(const std::string& title, const std::string& text, MessageIcon icon) {
    Log.Add("MessageBox(" + title + ")");
    m_boxes.push_back({title, text, icon});
}
void SimHost::EndProcess() {
    Log.Add("EndProcess()");
    m_ended = true;
}
std::vector<std::string> SimHost::ScreenFonts() { return Fonts; }

std::optional<std::string> SimHost::ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    if (auto it = Files.find(path); it != Files.end()) return it->second.substr(0, maxBytes);
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data;
    data.resize(maxBytes);
    in.read(data.data(), std::streamsize(maxBytes));
    data.resize(std::size_t(in.gcount()));
    return data;
}

void SimHost::StartTimer(TimerId id, std::uint32_t intervalMs) {
    m_timers[int(id)] = {true, intervalMs, m_now + intervalMs};
}

void SimHost::StopTimer(TimerId id) { m_timers[int(id)].enabled = false; }

void SimHost::SetFrameInterval(std::uint32_t ms) {
    m_frameInterval = ms;
    m_nextFrame = m_now + ms;
}

void SimHost::At(std::uint64_t atMs, std::function<void()> action) {
    m_script.emplace(atMs, std::move(action));
}

void SimHost::RunFor(std::uint64_t ms) {
    const std::uint64_t end = m_now + ms;
    while (!m_ended) {
        std::uint64_t next = kNever;
        if (!m_script.empty()) next = std::min(next, m_script.begin()->first);
        for (const SimTimer& t : m_timers)
            if (t.enabled && t.interval > 0) next = std::min(next, t.due);
        if (m_frameInterval > 0 && m_drawingEvents) next = std::min(next, m_nextFrame);
        if (next > end) break;
        m_now = std::max(m_now, next);

        while (!m_ended && !m_script.empty() && m_script.begin()->first <= m_now) {
            auto action = std::move(m_script.begin()->second);
            m_script.erase(m_script.begin());
            action();
        }
        for (int i = 0; i < kTimerCount && !m_ended; ++i) {
            SimTimer& t = m_timers[i];
            if (!t.enabled || t.interval == 0 || t.due != m_now) continue;
            t.due += t.interval;
            if (m_timerEvents) m_timerEvents->TimerTick(TimerId(i));
        }
        if (!m_ended && m_frameInterval > 0 && m_drawingEvents && m_nextFrame <= m_now) {
            m_nextFrame = m_now + m_frameInterval;
            m_drawingEvents->FrameDue();
        }
    }
    if (!m_ended) m_now = end;
}

}  // namespace hq
