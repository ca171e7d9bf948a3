#include "desktop/CurrentAssignment.h"

#include "base/Text.h"
#include "config/ConfigFile.h"
#include "desktop/Sounds.h"
#include "desktop/Wallpaper.h"

namespace lv {

namespace {

// A key's value as text; empty when the key cannot be opened or the value is missing.
std::string registryText(Registry& registry, const std::string& keyPath, const std::string& valueName)
{
    const auto key = registry.openKey(RegistryRoot::CurrentUser, keyPath);
    return key ? key->readString(valueName) : std::string();
}

} // namespace

std::string currentAssignment(const Platform& platform, const DesktopPaths& paths, int category,
                              const std::string& itemName)
{
    ConfigFile config(platform.profile, paths.configFile);
    std::string text;
    if (itemName == WallpaperItem) {
        // Active Desktop keeps its own record, which is the newer one where it exists.
        text = registryText(platform.registry, ActiveDesktopGeneralKey, "Wallpaper");
        // A wallpaper applied without Active Desktop is set for the session
        // only and never reaches the stored value: ask the system what it
        // shows before falling back to what is stored.
        if (text.empty())
            text = platform.system.deskWallpaper();
        if (text.empty())
            text = registryText(platform.registry, ClassicDesktopKey, "Wallpaper");
        // Every applied picture is the same bitmap: name the file it was made from.
        if (text == paths.wallpaperBitmap)
            text = config.readString(MasterSection, CurrentWallpaperKey, "");
    }
    if (itemName == ScreenSaverItem)
        text = platform.profile.readString(paths.windowsDirectory + "\\system.ini", "boot", "SCRNSAVE.EXE", "");
    if (itemName == DesktopThemeItem)
        text = registryText(platform.registry, CurrentThemeKey, "");
    if (category == CategoryLogos && !itemName.empty())
        text = config.readString(itemLastSection(itemName), ItemLastKey, "");
    if (category == CategorySounds && !itemName.empty())
        text = registryText(platform.registry, soundEventKey(itemName, ".Current"), "");
    return text;
}

std::string currentfileText(const Platform& platform, const DesktopPaths& paths, int category,
                            const std::string& itemName)
{
    std::string text = currentAssignment(platform, paths, category, itemName);
    if (text.empty())
        return UnknownOrNone;
    // A short name recorded by the system shows as the name the user knows.
    const std::string longName = platform.files.longName(text);
    if (!longName.empty())
        text = longName;
    return fileNameOnly(text);
}

} // namespace lv
