#include "updater/DesktopChanges.h"

#include "config/ConfigFile.h"
#include "desktop/ActDesk.h"
#include "desktop/ScreenSaver.h"
#include "desktop/Sounds.h"
#include "desktop/Themes.h"
#include "desktop/Wallpaper.h"
#include "imaging/ConvertImage.h"
#include "base/Error.h"

namespace lv {

namespace {

// Failures of the file itself, as distinct from failures of the system.
class UnusableFile : public Error {
public:
    using Error::Error;
};

} // namespace

UpdaterPaths makeUpdaterPaths(FileSystem& files)
{
    const std::string program = files.programDirectory();
    const std::string windows = files.windowsDirectory();
    return UpdaterPaths{makeDesktopPaths(program, windows), makeLogoPaths(windows, program)};
}

void DesktopChanges::changeWallpaper(const std::string& file, int displayMode)
{
    if (isHtmlFile(file)) {
        ApplyWallpaperFile(platform_.registry, platform_.system, platform_.activeDesktop, file, WallpaperCentered,
                           true);
    } else {
        const imaging::ImageConversion conversion{platform_.files, platform_.ui, depth_};
        try {
            // Decoded first so that a broken bitmap is refused like a broken
            // picture instead of being copied and shown as nothing.
            if (imaging::ClassifyImageFile(file) == imaging::ImageClass::Copy ||
                imaging::ClassifyImageFile(file) == imaging::ImageClass::Other)
                imaging::DecodePictureFile(conversion, file);
            imaging::ConvertImageToBitmap(conversion, file, true);
        } catch (const Error& e) {
            throw UnusableFile(e.what());
        }
        // Unlike Apply Now, the Updater's change has to outlast the session.
        ApplyWallpaperFile(platform_.registry, platform_.system, platform_.activeDesktop,
                           paths_.desktop.wallpaperBitmap, displayMode, true);
    }
    ConfigFile(platform_.profile, paths_.desktop.configFile).writeString(MasterSection, CurrentWallpaperKey, file);
}

ApplyResult DesktopChanges::apply(const std::string& item, const std::string& file, int displayMode)
{
    if (file.empty() || !platform_.files.fileExists(file))
        return {ApplyStatus::FileUnusable, formatMessage("Cannot open file %s", file)};
    try {
        if (item == WallpaperItem) {
            changeWallpaper(file, displayMode);
        } else if (item == ScreenSaverItem) {
            setSystemScreenSaver(platform_.profile, platform_.registry, paths_.desktop.windowsDirectory, file,
                                 ntFamily_);
        } else if (item == DesktopThemeItem) {
            applyTheme(platform_, paths_.desktop, DesktopThemeItem, file);
        } else if (!logoFileOf(paths_.logos, item).empty()) {
            std::vector<std::uint8_t> logo;
            try {
                logo = makeLogoFile(imaging::ImageConversion{platform_.files, platform_.ui, depth_}, file);
            } catch (const Error& e) {
                throw UnusableFile(e.what());
            }
            installLogo(platform_.files, paths_.logos, item, logo);
            ConfigFile(platform_.profile, paths_.desktop.configFile).writeString(item + "last", "last", file);
        } else if (!setEventSound(platform_.registry, item, file)) {
            return {ApplyStatus::ItemUnavailable, "the system has no such sound event"};
        }
    } catch (const UnusableFile& e) {
        return {ApplyStatus::FileUnusable, e.what()};
    } catch (const Error& e) {
        return {ApplyStatus::ItemUnavailable, e.what()};
    }
    return {};
}

} // namespace lv
