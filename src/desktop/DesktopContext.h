#pragma once
// What the desktop actions need to know of the main window's run: the
// paths fixed at start-up and the item categories. (The list's focused and
// selected entries are handed to them as paths.)
#include <string>

namespace lv {

// Index of the hidden category selector.
constexpr int CategoryGeneral = 0;
constexpr int CategoryLogos = 1;
constexpr int CategorySounds = 2;

struct DesktopPaths {
    std::string programDirectory; // ends in a backslash
    std::string windowsDirectory; // no trailing backslash
    std::string configFile;       // the configuration file
    std::string wallpaperBitmap;  // the bitmap every applied wallpaper becomes
    std::string originalWallpaperFile; // the user's wallpaper before the first change
};

// The paths of a run whose program lives in programDirectory.
DesktopPaths makeDesktopPaths(const std::string& programDirectory, const std::string& windowsDirectory);

} // namespace lv
