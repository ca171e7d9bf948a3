#include "desktop/ActDesk.h"

#include "base/Text.h"

namespace lv {

bool isHtmlFile(const std::string& path)
{
    const std::string extension = upperExtension(path);
    return extension == ".HTML" || extension == ".HTM";
}

bool isBitmapFile(const std::string& path)
{
    return upperExtension(path) == ".BMP";
}

bool ActiveDesktopAvailable(ActiveDesktopService& service)
{
    return service.create() != nullptr;
}

void ApplyWallpaperFile(Registry& registry, SystemParameters& system, ActiveDesktopService& activeDesktop,
                        const std::string& path, int displayMode)
{
    if (isBitmapFile(path))
        SetBitmapWallpaper(registry, system, path, displayMode);
    SetActiveDesktopWallpaper(activeDesktop, path, displayMode);
}

void SetBitmapWallpaper(Registry& registry, SystemParameters& system, const std::string& path, int displayMode)
{
    if (!isBitmapFile(path))
        return;
    const auto key = registry.openKey(RegistryRoot::CurrentUser, DesktopKey, KeyAccess::ReadWrite);
    if (!key)
        return;
    // Both values are read when the system loads the bitmap, so they come first.
    if (displayMode == WallpaperStretched) {
        key->writeString("TileWallpaper", "0");
        key->writeString("WallpaperStyle", "2");
    } else {
        key->writeString("TileWallpaper", std::to_string(displayMode));
        key->writeString("WallpaperStyle", "0");
    }
    system.setDeskWallpaper(path);
}

void SetActiveDesktopWallpaper(ActiveDesktopService& activeDesktop, const std::string& path, int displayMode)
{
    if (!isHtmlFile(path) && !isBitmapFile(path))
        return;
    const auto desktop = activeDesktop.create();
    if (!desktop)
        return;
    // The object's results are not examined: a failure leaves the desktop as
    // it was, which the user sees.
    desktop->setWallpaperOptions(displayMode);
    desktop->setWallpaper(path);
    desktop->applyChanges(AdApplyAll);
}

} // namespace lv
