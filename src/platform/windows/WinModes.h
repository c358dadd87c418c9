#pragma once
// The modes of the Windows screen saver, each run from WinMain by the command line's switch.
#include <cstdint>
#include <memory>
#include <string>

#include "app/CommandLine.h"
#include "platform/DrawingControl.h"
#include "platform/SystemServices.h"
#include "platform/engine/FontRasterizer.h"
#include "platform/engine/FramePresenter.h"
#include "platform/windows/Win32.h"

namespace hq::win {

// "C:\Winterlark\Hollyquill\" when that folder exists, else the folder that holds the program;
// always with its closing backslash.
std::string FindAssetFolder();
// The folder part of a path, with its closing separator.
std::string FolderOf(const std::string& path);

// The full-screen saver (/s or no switch). Returns the process's exit status.
int RunSaver(HINSTANCE instance, const std::string& assetFolder);
// The still picture inside the window `hostWindow` (/p); runs until that window goes.
int RunPreview(HINSTANCE instance, std::int64_t hostWindow, const std::string& assetFolder);
// The system's screen-saver password dialog (/a), owned by `ownerWindow` when it names a window.
int RunPasswordChange(std::int64_t ownerWindow);
// The settings dialog (/c).
int RunSetupDialog(HINSTANCE instance, const std::string& assetFolder);

// The saver's drawing control: the sprite engine over a presenter and a font rasterizer.
std::unique_ptr<DrawingControl> MakeSaverDrawing(FramePresenter& presenter, FontRasterizer& fonts,
                                                 SystemServices& system);

// Window handles arrive on the command line as decimal numbers.
inline HWND WindowFromNumber(std::int64_t number) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(number));
}

}  // namespace hq::win
