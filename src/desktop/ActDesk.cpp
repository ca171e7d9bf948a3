#include "desktop/ActDesk.h"

#include "base/Error.h"
#include "base/Text.h"
#include "imaging/PictureFiles.h"

namespace lv {

bool isHtmlFile(const std::string& path)
{
    const auto* type = imaging::pictureFileType(path);
    return type && type->activeDesktopPage;
}

bool isBitmapFile(const std::string& path)
{
    return upperExtension(path) == ".BMP";
}

bool ActiveDesktopAvailable(ActiveDesktopService& service)
{
    return service.create() != nullptr;
}

bool ApplyWallpaperFile(Registry& registry, SystemParameters& system, ActiveDesktopService& activeDesktop,
                        const std::string& path, int displayMode, bool lasting)
{
    bool taken = false;
    if (isBitmapFile(path))
        taken = SetBitmapWallpaper(registry, system, path, displayMode, lasting);
    return SetActiveDesktopWallpaper(activeDesktop, path, displayMode) || taken;
}

bool SetBitmapWallpaper(Registry& registry, SystemParameters& system, const std::string& path, int displayMode,
                        bool lasting)
{
    if (!isBitmapFile(path))
        return false;
    const auto key = registry.openKey(RegistryRoot::CurrentUser, DesktopKey, KeyAccess::ReadWrite);
    if (!key)
        return false;
    // Both values are read when the system loads the bitmap, so they come first.
    if (displayMode == WallpaperStretched) {
        key->writeString("TileWallpaper", "0");
        key->writeString("WallpaperStyle", "2");
    } else {
        key->writeString("TileWallpaper", std::to_string(displayMode));
        key->writeString("WallpaperStyle", "0");
    }
    if (!system.setDeskWallpaper(path, lasting))
        throw WriteRefused(formatMessage("The system did not take the wallpaper %s", path));
    return true;
}

bool SetActiveDesktopWallpaper(ActiveDesktopService& activeDesktop, const std::string& path, int displayMode)
{
    if (!isHtmlFile(path) && !isBitmapFile(path))
        return false;
    const auto desktop = activeDesktop.create();
    if (!desktop)
        return false;
    // Every step is taken whatever the one before answered: a failure leaves
    // the desktop as it was, which the user sees; only the answer says so.
    const long options = desktop->setWallpaperOptions(displayMode);
    const long wallpaper = desktop->setWallpaper(path);
    const long applied = desktop->applyChanges(AdApplyAll);
    return options >= 0 && wallpaper >= 0 && applied >= 0;
}

} // namespace lv
