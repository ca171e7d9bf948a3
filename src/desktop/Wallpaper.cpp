#include "desktop/Wallpaper.h"

#include "config/ConfigFile.h"
#include "desktop/ActDesk.h"
#include "desktop/OriginalWallpaper.h"
#include "imaging/ConvertImage.h"

namespace lv {

bool showWallpaperFile(const Platform& platform, const DesktopPaths& paths, imaging::PictureDepth depth,
                       const std::string& file, int displayMode, bool lasting)
{
    if (isHtmlFile(file)) {
        recordOriginalWallpaper(platform, paths);
        // Pages are laid out by the browser; a tiling style means nothing to them.
        return ApplyWallpaperFile(platform.registry, platform.system, platform.activeDesktop, file,
                                  WallpaperCentered, lasting);
    }
    const imaging::ImageConversion conversion{platform.files, platform.ui, depth};
    const auto kind = imaging::ClassifyImageFile(file);
    if (lasting && (kind == imaging::ImageClass::Copy || kind == imaging::ImageClass::Other))
        imaging::DecodePictureFile(conversion, file);
    imaging::ConvertImageToBitmap(conversion, file, true);
    recordOriginalWallpaper(platform, paths);
    return ApplyWallpaperFile(platform.registry, platform.system, platform.activeDesktop, paths.wallpaperBitmap,
                              displayMode, lasting);
}

void applyWallpaper(const Platform& platform, const DesktopPaths& paths, imaging::PictureDepth depth,
                    const std::optional<std::string>& focusedEntry, int displayMode)
{
    if (!focusedEntry)
        return;
    showWallpaperFile(platform, paths, depth, *focusedEntry, displayMode, false);
    // The source file, not the bitmap: the current-file label names it.
    ConfigFile(platform.profile, paths.configFile).writeString(MasterSection, CurrentWallpaperKey, *focusedEntry);
}

} // namespace lv
