#include "desktop/Wallpaper.h"

#include "config/ConfigFile.h"
#include "desktop/ActDesk.h"
#include "desktop/OriginalWallpaper.h"
#include "imaging/ConvertImage.h"

namespace lv {

void applyWallpaper(const Platform& platform, const DesktopPaths& paths, imaging::PictureDepth depth,
                    const std::optional<std::string>& focusedEntry, int displayMode)
{
    if (!focusedEntry)
        return;
    const std::string& path = *focusedEntry;
    recordOriginalWallpaper(platform, paths);
    if (isHtmlFile(path)) {
        // Pages are laid out by the browser; a tiling style means nothing to them.
        ApplyWallpaperFile(platform.registry, platform.system, platform.activeDesktop, path, WallpaperCentered);
    } else {
        imaging::ConvertImageToBitmap({platform.files, platform.ui, depth}, path, true);
        ApplyWallpaperFile(platform.registry, platform.system, platform.activeDesktop, paths.wallpaperBitmap,
                           displayMode);
    }
    // The source file, not the bitmap: the current-file label names it.
    ConfigFile(platform.profile, paths.configFile).writeString(MasterSection, CurrentWallpaperKey, path);
}

} // namespace lv
