#pragma once
// The wallpaper the user had before the programs' first change. Removing the
// programs gives it back, instead of leaving the desktop pointing at a bitmap
// in a deleted folder. It is kept in a file of its own beside the programs:
// Exit Without Saving puts the configuration file back as it was at start,
// which would lose a record made during that run.
#include "desktop/DesktopContext.h"
#include "platform/Platform.h"

#include <optional>
#include <string>

namespace lv {

constexpr const char* OriginalWallpaperFileName = "LumivaneOriginalWallpaper.ini";
constexpr const char* OriginalWallpaperSection = "Wallpaper";

struct OriginalWallpaper {
    std::string path; // empty: the user had no wallpaper
    // The desktop key's values as they were; empty where there was none.
    std::string tileWallpaper;
    std::string wallpaperStyle;
};

// The wallpaper shown now: the system's answer, else the desktop key's value
// (systems before Windows 2000 may not answer).
std::string currentWallpaper(const Platform& platform);

bool samePath(const std::string& a, const std::string& b);

// Before a wallpaper change: records what is shown now, the first time only.
// Nothing is recorded while the programs' own bitmap is shown: what came
// before it is unknown. A record that cannot be written is passed over: the
// change matters more, and the next change tries again.
void recordOriginalWallpaper(const Platform& platform, const DesktopPaths& paths);

std::optional<OriginalWallpaper> readOriginalWallpaper(ProfileFile& profile, const DesktopPaths& paths);

} // namespace lv
