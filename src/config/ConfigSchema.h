#pragma once
// The layout of "lumivane3.ini", shared by the Control Center, the scheduler
// and the Updater: every section and key name, its type and its defaults.
// Nothing else in the program spells a key. (docs/configuration.md
// describes the same layout for people.)
#include <array>
#include <string>

namespace lv {

constexpr const char* ConfigFileName = "lumivane3.ini";
constexpr const char* BackupFileName = "lumivanetemp.ini";

constexpr const char* MasterSection = "Master";
constexpr const char* SchedulerSection = "scheduler";
constexpr const char* ThemeOptionsSection = "Desktop Theme Options";

// The items of the General and Logos categories; each sound event is an
// item named by its technical name (".Default\\SystemStart").
constexpr const char* WallpaperItem = "Wallpaper";
constexpr const char* ScreenSaverItem = "Screen Saver";
constexpr const char* DesktopThemeItem = "Desktop Theme";
constexpr const char* StartupLogoItem = "Startup Logo";
constexpr const char* ShutdownLogo1Item = "Shutdown Logo 1";
constexpr const char* ShutdownLogo2Item = "Shutdown Logo 2";

// Item sections: "<item>" holds the list ("0".."n-1"); "<item>cfg" its
// "mode" and "next" (and, for "Wallpaper", each entry's display mode under
// the entry's number); "<item>last" the file a logo item used last.
constexpr const char* ItemSettingsSuffix = "cfg";
constexpr const char* ItemLastSuffix = "last";
constexpr const char* ItemModeKey = "mode";
constexpr const char* ItemNextKey = "next";
constexpr const char* ItemLastKey = "last";
constexpr const char* CurrentWallpaperKey = "currentwall"; // in "Master": the source of the wallpaper shown

// Item modes as stored in "mode"; a missing mode reads as disabled, a
// missing "next" as 1.
constexpr int ModeEnabled = 0;
constexpr int ModeEnabledRandom = 1;
constexpr int ModeDisabled = 2;
constexpr int DefaultNext = 1;
constexpr const char* DefaultDisplayMode = "0";
constexpr const char* AllThemeParts = "11111111"; // a theme file without stored flags

inline std::string itemSettingsSection(const std::string& item) { return item + ItemSettingsSuffix; }
inline std::string itemLastSection(const std::string& item) { return item + ItemLastSuffix; }

// The general options of section "Master". Initial values are those of a
// first run without a configuration file.
struct MasterOptions {
    bool enable = true;
    bool deletenon = true;
    bool runupd = true;
    bool alwaystray = false;
    int dragndrop = 0;
    int folderadd = 0;
    bool autopaper = false;
    bool preview = false;
    bool nodupes = false;
    bool scrchange = false;
};

// The keys of "Master" in the order they are written, each with the value a
// missing key reads as (not the first-run state).
struct MasterBooleanKey {
    const char* key;
    bool MasterOptions::*option;
    bool missing;
};
constexpr std::array<MasterBooleanKey, 8> MasterBooleanKeys{{
    {"enable", &MasterOptions::enable, true},
    {"deletenon", &MasterOptions::deletenon, true},
    {"runupd", &MasterOptions::runupd, true},
    {"alwaystray", &MasterOptions::alwaystray, false},
    {"autopaper", &MasterOptions::autopaper, true},
    {"preview", &MasterOptions::preview, true},
    {"nodupes", &MasterOptions::nodupes, true},
    {"scrchange", &MasterOptions::scrchange, false},
}};
struct MasterIntegerKey {
    const char* key;
    int MasterOptions::*option;
    int missing;
};
constexpr std::array<MasterIntegerKey, 2> MasterIntegerKeys{{
    {"dragndrop", &MasterOptions::dragndrop, 0},
    {"folderadd", &MasterOptions::folderadd, 0},
}};

} // namespace lv
