#pragma once
// The modes of the Linux program, each a function the command line dispatches to.
#include <cstdint>
#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace hq {

// The asset folder, with its closing '/': $HOLLYQUILL_ASSETS, else the installed data folder,
// else the build tree's.
std::string FindAssetFolder();

// The full-screen saver (/s or no arguments); a second "/s" copy is refused. Returns the exit status.
int RunSaver(const StartRequest& request, const std::string& assetFolder);
// The still preview inside the X11 window `hostWindow` (/p).
int RunPreview(std::int64_t hostWindow, const std::string& assetFolder);
// XScreenSaver's hack mode: the animated scene inside an existing X11 window (0: the root window).
int RunHack(unsigned long windowId, const std::string& assetFolder);
// The settings dialog (/c).
int RunSetupDialog(int argc, char** argv, const std::string& assetFolder);
// Headless tools: `--record FILE [...]` and `--bench`; `args` starts after the program name.
int RunRecordCommand(const std::vector<std::string>& args, const std::string& assetFolder);
int RunBenchCommand(const std::vector<std::string>& args, const std::string& assetFolder);

}  // namespace hq
