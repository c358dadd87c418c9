#include "platform/linux/FileSettingsStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "settings/Conversions.h"

namespace hq {

namespace fs = std::filesystem;

namespace {
bool SameName(const std::string& a, const std::string& b) { return ToLower(a) == ToLower(b); }

std::string Escape(const std::string& value) {
    std::string out;
    for (char c : value) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::string Unescape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        char n = value[++i];
        out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
    }
    return out;
}

// Holds an exclusive lock on a side file for as long as it lives.
class FileLock {
public:
    explicit FileLock(const fs::path& path) {
        m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd >= 0) ::flock(m_fd, LOCK_EX);
    }
    ~FileLock() {
        if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int m_fd = -1;
};

std::optional<std::string> ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Stamp() {
    auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", std::localtime(&now));
    return text;
}
}  // namespace

FileSettingsStore::FileSettingsStore(fs::path folder) : m_folder(std::move(folder)) {}

fs::path FileSettingsStore::DefaultFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return fs::path(xdg) / "hollyquill";
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".config" / "hollyquill";
    return fs::path(".hollyquill");
}

fs::path FileSettingsStore::FileFor(const std::string& app) const {
    std::string name;
    for (char c : ToLower(app)) name += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_';
    if (name.empty()) name = "_";
    return m_folder / (name + ".ini");
}

bool FileSettingsStore::Parse(const std::string& text, Contents& out) {
    out.clear();
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find('\0') != std::string::npos) return false;
        std::string t = Trim(line);
        if (t.empty() || t[0] == '#' || t[0] == ';') continue;
        if (t.front() == '[') {
            if (t.back() != ']' || t.size() < 3) return false;
            out.push_back({t.substr(1, t.size() - 2), {}});
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos || out.empty()) return false;
        std::string key = Trim(line.substr(0, eq));
        if (key.empty()) return false;
        out.back().values.emplace_back(key, Unescape(line.substr(eq + 1)));
    }
    return true;
}

std::string FileSettingsStore::Format(const Contents& contents) {
    std::string text;
    for (const Section& section : contents) {
        if (!text.empty()) text += "\n";
        text += "[" + section.name + "]\n";
        for (const auto& [key, value] : section.values) text += key + "=" + Escape(value) + "\n";
    }
    return text;
}

FileSettingsStore::Contents FileSettingsStore::Load(const fs::path& file) {
    Contents contents;
    auto text = ReadAll(file);
    if (!text || Parse(*text, contents)) return contents;
    std::error_code ec;
    fs::path aside = file;
    aside += ".unreadable-" + Stamp();
    for (int n = 1; fs::exists(aside, ec); ++n) {
        aside = file;
        aside += ".unreadable-" + Stamp() + "-" + std::to_string(n);
    }
    fs::rename(file, aside, ec);
    std::fprintf(stderr, "hollyquill: the settings file %s could not be read; it was kept as %s\n", file.c_str(),
                 aside.c_str());
    contents.clear();
    return contents;
}

std::string FileSettingsStore::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                          const std::string& defaultValue) {
    const fs::path file = FileFor(app);
    std::error_code ec;
    if (!fs::exists(file, ec)) return defaultValue;
    Contents contents;
    auto text = ReadAll(file);
    if (!text) return defaultValue;
    if (!Parse(*text, contents)) {
        FileLock lock(fs::path(file) += ".lock");
        contents = Load(file);
    }
    for (const Section& s : contents) {
        if (!SameName(s.name, section)) continue;
        for (const auto& [k, v] : s.values)
            if (SameName(k, key)) return v;
    }
    return defaultValue;
}

void FileSettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                    const std::string& value) {
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    const fs::path file = FileFor(app);
    FileLock lock(fs::path(file) += ".lock");
    Contents contents = Load(file);

    Section* target = nullptr;
    for (Section& s : contents)
        if (SameName(s.name, section)) target = &s;
    if (!target) {
        contents.push_back({section, {}});
        target = &contents.back();
    }
    bool found = false;
    for (auto& [k, v] : target->values)
        if (SameName(k, key)) {
            v = value;
            found = true;
        }
    if (!found) target->values.emplace_back(key, value);

    fs::path temp = file;
    temp += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(m_tempCount++);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << Format(contents);
        out.flush();
        if (!out) {
            std::fprintf(stderr, "hollyquill: could not write the settings file %s\n", temp.c_str());
            fs::remove(temp, ec);
            return;
        }
    }
    fs::rename(temp, file, ec);
    if (ec) {
        std::fprintf(stderr, "hollyquill: could not replace the settings file %s: %s\n", file.c_str(),
                     ec.message().c_str());
        fs::remove(temp, ec);
    }
}

}  // namespace hq
