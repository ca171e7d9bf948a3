#include "updater/DesktopChanges.h"

#include "config/ConfigFile.h"
#include "desktop/ActDesk.h"
#include "desktop/OriginalWallpaper.h"
#include "desktop/ScreenSaver.h"
#include "desktop/Sounds.h"
#include "desktop/Themes.h"
#include "desktop/Wallpaper.h"
#include "imaging/ConvertImage.h"
#include "base/Error.h"

#include <new>

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

namespace {

// Runs a reading or decoding step: whatever fails there is the file's fault,
// except a target that cannot be written.
template <class Step>
auto fromSource(Step&& step)
{
    try {
        return step();
    } catch (const WriteRefused&) {
        throw;
    } catch (const Error& e) {
        throw UnusableFile(e.what());
    } catch (const std::bad_alloc&) {
        throw UnusableFile("Out of memory");
    }
}

std::string refusalText(const WriteRefused& refusal)
{
    return refusal.reason().empty() ? refusal.what() : std::string(refusal.what()) + ": " + refusal.reason();
}

} // namespace

void DesktopChanges::changeWallpaper(const std::string& file, int displayMode)
{
    std::string shown = file;
    if (!isHtmlFile(file)) {
        const imaging::ImageConversion conversion{platform_.files, platform_.ui, depth_};
        fromSource([&] {
            // Decoded first so that a broken bitmap is refused like a broken
            // picture instead of being copied and shown as nothing.
            const auto kind = imaging::ClassifyImageFile(file);
            if (kind == imaging::ImageClass::Copy || kind == imaging::ImageClass::Other)
                imaging::DecodePictureFile(conversion, file);
            imaging::ConvertImageToBitmap(conversion, file, true);
        });
        shown = paths_.desktop.wallpaperBitmap;
    }
    recordOriginalWallpaper(platform_, paths_.desktop);
    // Unlike Apply Now, the Updater's change has to outlast the session; pages
    // are laid out by the browser, so a tiling style means nothing to them.
    if (!ApplyWallpaperFile(platform_.registry, platform_.system, platform_.activeDesktop, shown,
                            isHtmlFile(file) ? WallpaperCentered : displayMode, true))
        throw WriteRefused("the system did not take the wallpaper");
    ConfigFile(platform_.profile, paths_.desktop.configFile).writeString(MasterSection, CurrentWallpaperKey, file);
}

void DesktopChanges::changeLogo(const std::string& item, const std::string& file)
{
    const auto logo = fromSource(
        [&] { return makeLogoFile(imaging::ImageConversion{platform_.files, platform_.ui, depth_}, file); });
    installLogo(platform_.files, paths_.logos, item, logo);
    ConfigFile(platform_.profile, paths_.desktop.configFile).writeString(item + "last", "last", file);
}

ApplyResult DesktopChanges::apply(const std::string& item, const std::string& file, int displayMode)
{
    if (file.empty() || !platform_.files.fileExists(file))
        return {ApplyStatus::FileUnusable, formatMessage("Cannot open file %s", file)};
    try {
        if (item == WallpaperItem)
            changeWallpaper(file, displayMode);
        else if (item == ScreenSaverItem)
            setSystemScreenSaver(platform_.profile, platform_.registry, paths_.desktop.windowsDirectory, file,
                                 ntFamily_);
        else if (item == DesktopThemeItem)
            applyThemeFile(platform_, paths_.desktop, file);
        else if (!logoFileOf(paths_.logos, item).empty())
            changeLogo(item, file);
        else if (!setEventSound(platform_.registry, item, file))
            return {ApplyStatus::ItemUnavailable, "the system has no such sound event"};
    } catch (const UnusableFile& e) {
        return {ApplyStatus::FileUnusable, e.what()};
    } catch (const WriteRefused& e) {
        return {ApplyStatus::ItemUnavailable, refusalText(e)};
    } catch (const Error& e) {
        return {ApplyStatus::ItemUnavailable, e.what()};
    }
    return {};
}

} // namespace lv
