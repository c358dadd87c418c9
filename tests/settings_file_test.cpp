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
    std::string FileText() {
        std::ifstream in(folder / "hollyq1.ini");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::vector<fs::path> Aside() {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().filename().string().find(".unreadable-") != std::string::npos) out.push_back(e.path());
        return out;
    }
    fs::path folder;
};

TEST_F(SettingsFile, ValuesRoundTripAndApplicationNamesIgnoreCase) {
    FileSettingsStore store(folder);
    EXPECT_EQ(store.GetSetting("hollyq1", "Settings", "Clock", "dflt"), "dflt");
    store.SaveSetting("Hollyq1", "Settings", "ShowDirections", "False");
    store.SaveSetting("hollyq1", "Settings", "Message", "Tree = lit\\ all\nnight");
    store.SaveSetting("hollyq1", "Music", "Music3", "0");
    FileSettingsStore again(folder);
    EXPECT_EQ(again.GetSetting("HOLLYQ1", "Settings", "ShowDirections", ""), "False");
    EXPECT_EQ(again.GetSetting("hollyq1", "Settings", "Message", ""), "Tree = lit\\ all\nnight");
    EXPECT_EQ(again.GetSetting("hollyq1", "Music", "Music3", ""), "0");
    EXPECT_EQ(again.GetSetting("hollyq1", "Settings", "Music3", "none"), "none") << "sections are separate";
}

TEST_F(SettingsFile, KeysAndSectionsItDoesNotKnowSurviveWrites) {
    {
        std::ofstream out(folder / "hollyq1.ini");
        out << "# kept by hand\n[Settings]\nClock=0\nMyNote=keep me\n\n[Extra]\nA=1\n";
    }
    FileSettingsStore store(folder);
    store.SaveSetting("hollyq1", "Settings", "Clock", "1");
    store.SaveSetting("hollyq1", "Music", "Music1", "1");
    EXPECT_EQ(store.GetSetting("hollyq1", "Settings", "MyNote", ""), "keep me");
    EXPECT_EQ(store.GetSetting("hollyq1", "Extra", "A", ""), "1");
    EXPECT_EQ(store.GetSetting("hollyq1", "Settings", "Clock", ""), "1");
    EXPECT_TRUE(Aside().empty());
}

TEST_F(SettingsFile, AFileThatCannotBeParsedIsKeptAsideAndDefaultsAreUsed) {
    const std::string garbage = std::string("\x7f" "ELF\0\0binary", 12) + "\nnot a setting line\n";
    {
        std::ofstream out(folder / "hollyq1.ini", std::ios::binary);
        out << garbage;
    }
    FileSettingsStore store(folder);
    EXPECT_EQ(store.GetSetting("hollyq1", "Settings", "Clock", "dflt"), "dflt");
    store.SaveSetting("hollyq1", "Settings", "Clock", "1");
    EXPECT_EQ(store.GetSetting("hollyq1", "Settings", "Clock", ""), "1");
    auto aside = Aside();
    ASSERT_EQ(aside.size(), 1u);
    std::ifstream in(aside[0], std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    EXPECT_EQ(s.str(), garbage) << "the unreadable file is kept byte for byte";
}

TEST_F(SettingsFile, TwoProcessesWritingDifferentKeysAtOnceLoseNothing) {
    constexpr int kKeys = 60;
    std::vector<pid_t> children;
    for (int p = 0; p < 2; ++p) {
        pid_t pid = ::fork();
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
    EXPECT_TRUE(Aside().empty());
    for (const auto& e : fs::directory_iterator(folder))
        EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << "no temporary file is left";
}

}  // namespace
}  // namespace hq::test
