#include "desktop/OriginalWallpaper.h"

#include "base/Error.h"
#include "base/Text.h"
#include "desktop/ActDesk.h"

namespace lv {

namespace {

constexpr const char* PathKey = "path";
constexpr const char* TileKey = "TileWallpaper";
constexpr const char* StyleKey = "WallpaperStyle";

} // namespace

std::string currentWallpaper(const Platform& platform)
{
    std::string shown = platform.system.deskWallpaper();
    if (shown.empty())
        if (const auto key = platform.registry.openKey(RegistryRoot::CurrentUser, DesktopKey))
            shown = key->readString("Wallpaper");
    return shown;
}

bool samePath(const std::string& a, const std::string& b)
{
    return upperCaseAtoZ(a) == upperCaseAtoZ(b);
}

void recordOriginalWallpaper(const Platform& platform, const DesktopPaths& paths)
{
    if (readOriginalWallpaper(platform.profile, paths))
        return;
    const std::string shown = currentWallpaper(platform);
    if (samePath(shown, paths.wallpaperBitmap))
        return;
    OriginalWallpaper original{shown, "", ""};
    if (const auto key = platform.registry.openKey(RegistryRoot::CurrentUser, DesktopKey)) {
        original.tileWallpaper = key->readString(TileKey);
        original.wallpaperStyle = key->readString(StyleKey);
    }
    try {
        // The path last: its key is what says the record is whole.
        platform.profile.writeString(paths.originalWallpaperFile, OriginalWallpaperSection, TileKey,
                                     original.tileWallpaper);
        platform.profile.writeString(paths.originalWallpaperFile, OriginalWallpaperSection, StyleKey,
                                     original.wallpaperStyle);
        platform.profile.writeString(paths.originalWallpaperFile, OriginalWallpaperSection, PathKey, original.path);
    } catch (const Error&) {
    }
}

std::optional<OriginalWallpaper> readOriginalWallpaper(ProfileFile& profile, const DesktopPaths& paths)
{
    const std::string& file = paths.originalWallpaperFile;
    // No file name can be "?".
    constexpr const char* Missing = "?";
    const std::string path = profile.readString(file, OriginalWallpaperSection, PathKey, Missing);
    if (path == Missing)
        return std::nullopt;
    return OriginalWallpaper{path, profile.readString(file, OriginalWallpaperSection, TileKey, ""),
                             profile.readString(file, OriginalWallpaperSection, StyleKey, "")};
}

} // namespace lv
