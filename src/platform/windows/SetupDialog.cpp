// The settings dialog; wired to the settings presenter once it is part of the build.
#include "platform/windows/WinModes.h"

namespace hq::win {

int RunSetupDialog(HINSTANCE, const std::string&) { return 0; }

}  // namespace hq::win
