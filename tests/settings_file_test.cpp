#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/linux/FileSettingsStore.h"

namespace hq::test {
namespace {

namespace fs = std::filesystem;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/hq-settings-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    void WriteFile(const std::string& bytes) { std::ofstream(folder / "hollyq1.ini", std::ios::binary) << bytes; }
    // The files beside the settings file whose names say so.
    std::vector<fs::path> Named(const std::string& part) {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().filename().string().find(part) != std::string::npos) out.push_back(e.path());
        return out;
    }
    fs::path folder;
};

TEST_F(SettingsFile, ValuesRoundTripApplicationNamesIgnoreCaseAndUnknownKeysAndSectionsSurvive) {
    WriteFile("# kept by hand\n[Settings]\nClock=0\nMyNote=keep me\n\n[Extra]\nA=1\n");
    FileSettingsStore store(folder);
    EXPECT_EQ(store.GetSetting("hollyq1", "Settings", "Message", "dflt"), "dflt");
    store.SaveSetting("Hollyq1", "Settings", "ShowDirections", "False");
    store.SaveSetting("hollyq1", "Settings", "Message", "Tree = lit\\ all\nnight");
    store.SaveSetting("hollyq1", "Settings", "Clock", "1");
    store.SaveSetting("hollyq1", "Music", "Music3", "0");
    FileSettingsStore again(folder);
    EXPECT_EQ(again.GetSetting("HOLLYQ1", "Settings", "ShowDirections", ""), "False");
    EXPECT_EQ(again.GetSetting("hollyq1", "Settings", "Message", ""), "Tree = lit\\ all\nnight");
    EXPECT_EQ(again.GetSetting("hollyq1", "Settings", "Clock", ""), "1");
    EXPECT_EQ(again.GetSetting("hollyq1", "Music", "Music3", ""), "0");
    EXPECT_EQ(again.GetSetting("hollyq1", "Settings", "Music3", "none"), "none") << "sections are separate";
    EXPECT_EQ(again.GetSetting("hollyq1", "Settings", "MyNote", ""), "keep me");
    EXPECT_EQ(again.GetSetting("hollyq1", "Extra", "A", ""), "1");
    EXPECT_TRUE(Named(".unreadable-").empty());
}

TEST_F(SettingsFile, AFileThatCannotBeParsedIsKeptAsideByteForByteAndDefaultsAreUsed) {
    const std::string garbage = std::string("\x7f" "ELF\0\0binary", 12) + "\nnot a setting line\n";
    WriteFile(garbage);
    FileSettingsStore store(folder);
    EXPECT_EQ(store.GetSetting("hollyq1", "Settings", "Clock", "dflt"), "dflt");
    store.SaveSetting("hollyq1", "Settings", "Clock", "1");
    EXPECT_EQ(store.GetSetting("hollyq1", "Settings", "Clock", ""), "1");
    const auto aside = Named(".unreadable-");
    ASSERT_EQ(aside.size(), 1u);
    std::stringstream kept;
    kept << std::ifstream(aside[0], std::ios::binary).rdbuf();
    EXPECT_EQ(kept.str(), garbage);
}

TEST_F(SettingsFile, TwoProcessesWritingDifferentKeysAtOnceLoseNothing) {
    constexpr int kKeys = 60;
    std::vector<pid_t> children;
    for (int p = 0; p < 2; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            FileSettingsStore store(folder);
            for (int k = 0; k < kKeys; ++k)
                store.SaveSetting("hollyq1", p ? "Music" : "Settings", "Key" + std::to_string(k), std::to_string(p));
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    FileSettingsStore store(folder);
    for (int k = 0; k < kKeys; ++k) {
        EXPECT_EQ(store.GetSetting("hollyq1", "Settings", "Key" + std::to_string(k), "lost"), "0");
        EXPECT_EQ(store.GetSetting("hollyq1", "Music", "Key" + std::to_string(k), "lost"), "1");
    }
    EXPECT_TRUE(Named(".unreadable-").empty());
    EXPECT_TRUE(Named(".tmp-").empty()) << "no temporary file is left";
}

}  // namespace
}  // namespace hq::test
