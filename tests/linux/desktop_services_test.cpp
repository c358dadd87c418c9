// The desktop's system services, the one-saver lock and the preview picture.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/linux/InstanceLock.h"
#include "platform/linux/LinuxSystem.h"
#include "platform/linux/PreviewWindow.h"

namespace hq::test {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
    fs::path path;
    TempFolder() {
        char name[] = "/tmp/hq-desktop-XXXXXX";
        path = mkdtemp(name);
    }
    ~TempFolder() { fs::remove_all(path); }
};

TEST(InstanceLock, ASecondSaverSeesTheFirstUntilItEndsAndALockThatCannotBeMadeRefusesNone) {
    TempFolder folder;
    const std::string path = (folder.path / "saver.lock").string();
    {
        InstanceLock first(path);
        EXPECT_TRUE(first.Held());
        EXPECT_FALSE(first.AnotherCopyRunning());
        InstanceLock second(path);
        EXPECT_TRUE(second.AnotherCopyRunning());
        EXPECT_FALSE(second.Held());
    }
    EXPECT_TRUE(InstanceLock(path).Held()) << "the lock goes with the saver that held it";

    EXPECT_FALSE(InstanceLock("/nonexistent-folder/saver.lock").AnotherCopyRunning());
    // Someone else's link in a shared folder is not followed.
    fs::remove(path);
    fs::create_symlink(folder.path / "elsewhere", path);
    EXPECT_FALSE(InstanceLock(path).AnotherCopyRunning());
    EXPECT_FALSE(fs::exists(folder.path / "elsewhere"));
}

TEST(InstanceLock, TheLockLivesInTheUsersRuntimeFolder) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = saved ? saved : "";
    setenv("XDG_RUNTIME_DIR", "/run/user/4242", 1);
    EXPECT_EQ(InstanceLock::DefaultPath(), "/run/user/4242/hollyquill-saver.lock");
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(InstanceLock::DefaultPath(), "/tmp/hollyquill-saver-" + std::to_string(getuid()) + ".lock");
    if (saved) setenv("XDG_RUNTIME_DIR", before.c_str(), 1);
}

TEST(LinuxSystem, TheCursorIsCountedAsWindowsCountsItAndFilesAreReadUpToTheLimit) {
    LinuxSystem system;
    EXPECT_EQ(system.ShowCursor(false), -1);
    EXPECT_EQ(system.ShowCursor(true), 0);  // focus lost
    EXPECT_EQ(system.ShowCursor(true), 1);  // close-down

    TempFolder folder;
    const fs::path file = folder.path / "help.txt";
    const std::string text(200000, 'h');
    std::ofstream(file, std::ios::binary) << text;
    EXPECT_EQ(system.ReadWholeFile(file.string(), 1 << 20), text);
    EXPECT_EQ(system.ReadWholeFile(file.string(), 10)->size(), 10u);
    EXPECT_FALSE(system.ReadWholeFile((folder.path / "missing.txt").string(), 100).has_value());
}

TEST(PreviewPicture, ABmpIsReadAsRgbStretchedWithItsCornersKeptAndAMissingOneIsADarkBlueFill) {
    TempFolder folder;
    // A 2 x 1 24-bit BMP: blue-green-red byte order, rows bottom-up, padded to 4 bytes.
    const unsigned char bmp[] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                                 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0,
                                 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 0x30, 0x20, 0x10, 0xCC, 0xBB, 0xAA, 0, 0};
    std::ofstream(folder.path / "preview.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof bmp);
    const Picture picture = LoadPicture((folder.path / "preview.bmp").string());
    EXPECT_EQ(picture.pixels, (std::vector<std::uint32_t>{0x102030, 0xAABBCC}));
    EXPECT_EQ(picture.width, 2);

    const Picture big = StretchPicture(Picture{2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}}, 20, 20);
    ASSERT_EQ(big.pixels.size(), 400u);
    EXPECT_EQ(big.pixels[0], 0xFF0000u);
    EXPECT_EQ(big.pixels[19], 0x00FF00u);
    EXPECT_EQ(big.pixels[19 * 20], 0x0000FFu);
    EXPECT_EQ(big.pixels[399], 0xFFFFFFu);
    EXPECT_GT(big.pixels[10] >> 16 & 0xFF, 0x40u) << "blended between red and green";
    EXPECT_GT(big.pixels[10] >> 8 & 0xFF, 0x40u);
    EXPECT_TRUE(StretchPicture(big, 0, 10).pixels.empty());

    const Picture none = LoadPicture("/nonexistent/preview.bmp");
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(StretchPicture(none, 5, 3).pixels, std::vector<std::uint32_t>(15, kPreviewFallbackColour));
}

}  // namespace
}  // namespace hq::test
