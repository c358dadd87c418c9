#pragma once
// Every caption and tool tip of the settings dialog, in one place for both desktops' views.
namespace hq::dialog_text {

inline constexpr const char* kSettingsTab = "Settings";
inline constexpr const char* kCarolsTab = " Christmas Carols";  // the leading blank is the dialog's own

inline constexpr const char* kLayersGroup = "Snowflake Layers";
inline constexpr const char* kLayersTip =
    "Show the snowflakes.  If the snow appears jittery, try unchecking a layer and see if that helps.";
inline constexpr const char* kLayerCaptions[3] = {"Show front layer", "Show mid layer", "Show back layer"};

inline constexpr const char* kCountDownGroup = "Countdown to Christmas";
inline constexpr const char* kCountDownCheck = "Display the countdown";

inline constexpr const char* kMouseGroup = "Mouse Sensitivity";
inline constexpr const char* kMouseTip = "Change the sensitivity of the mouse";
inline constexpr const char* kMouseLight = "Light Touch";
inline constexpr const char* kMouseHeavy = "Heavy";

inline constexpr const char* kClockGroup = "Clock";
inline constexpr const char* kClockCheck = "Show Clock";
inline constexpr const char* kClockTip = "Show or Remove Clock";
inline constexpr const char* kClockSizeLabel = "Font Size: ";
inline constexpr const char* kClockSizeTip = "Type size of font for clock";

inline constexpr const char* kMessageGroup = "Show Message";
inline constexpr const char* kMessageCheck = "Show Message";
inline constexpr const char* kMessageSizeLabel = "Font Size:";
inline constexpr const char* kFontLabel = "Font:";
inline constexpr const char* kFontsNote =
    "Loading the fonts causes a delay in starting the Control Box.  Check this box if you do not want to use a "
    "different font.  The Control Box will then load faster.";

inline constexpr const char* kPowerSaveCheck = "Disable any Power Saving settings";
inline constexpr const char* kPowerSaveTip =
    "If you have your Monitor set to turn off enabling this will keep that setting, otherwise the screensaver "
    "will ignore those settings";

// The line's caption holds the list in its run of blanks.
inline constexpr const char* kSoundOffLine = "Stop sound after:                         minutes";
inline constexpr const char* kSoundOffTip = "Set to turn the sound off after x amount of time";
inline constexpr const char* kKeyboardButton = "Keyboard Options";

inline constexpr const char* kAboutButton = "&About";
inline constexpr const char* kAboutTip = "Version Number ";
inline constexpr const char* kHelpButton = "&Help";
inline constexpr const char* kHelpTip = "Opens A Help File";
inline constexpr const char* kOkButton = "&OK";

inline constexpr const char* kHelpCloseButton = "&Close";

}  // namespace hq::dialog_text
