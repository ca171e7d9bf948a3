#include "removal/DesktopRestore.h"

#include "base/Error.h"
#include "base/ErrorBoundary.h"
#include "config/SoundCatalogue.h"
#include "config/Updater.h"
#include "desktop/ActDesk.h"
#include "desktop/OriginalWallpaper.h"
#include "desktop/Sounds.h"

#include <exception>

namespace lv {

namespace {

// The user agreed to the whole removal: the restore buttons' own questions
// are answered yes.
class AgreedDialogs : public UserDialogs {
public:
    bool confirm(const std::string&) override { return true; }
    void showError(const std::string&) override {}
    void showMessage(const std::string&, const std::string&) override {}
    std::vector<std::string> openFiles(const std::string&, const std::string&) override { return {}; }
};

std::string parentFolder(const std::string& programDirectory)
{
    const std::string folder = programDirectory.substr(0, programDirectory.find_last_not_of('\\') + 1);
    const auto slash = folder.find_last_of('\\');
    return slash == std::string::npos ? programDirectory : folder.substr(0, slash + 1);
}

int displayModeOf(const OriginalWallpaper& original)
{
    if (original.wallpaperStyle == "2")
        return WallpaperStretched;
    return original.tileWallpaper == "1" ? WallpaperTiled : WallpaperCentered;
}

void showWallpaper(const Platform& platform, const OriginalWallpaper& wallpaper)
{
    if (const auto key = platform.registry.openKey(RegistryRoot::CurrentUser, DesktopKey, KeyAccess::ReadWrite)) {
        // Read by the system when it loads the picture, so written first.
        if (!wallpaper.tileWallpaper.empty())
            key->writeString("TileWallpaper", wallpaper.tileWallpaper);
        if (!wallpaper.wallpaperStyle.empty())
            key->writeString("WallpaperStyle", wallpaper.wallpaperStyle);
    }
    if (!platform.system.setDeskWallpaper(wallpaper.path, true))
        throw Error(formatMessage("The system did not take the wallpaper %s", wallpaper.path));
    // Active Desktop keeps its own record, which still names the programs' bitmap.
    SetActiveDesktopWallpaper(platform.activeDesktop, wallpaper.path, displayModeOf(wallpaper));
}

// Only the programs' own bitmap is replaced: any other wallpaper is the user's.
void restoreWallpaper(const Platform& platform, const DesktopPaths& paths)
{
    if (!samePath(currentWallpaper(platform), paths.wallpaperBitmap))
        return;
    const auto original = readOriginalWallpaper(platform.profile, paths);
    if (original && (original->path.empty() || platform.files.fileExists(original->path))) {
        showWallpaper(platform, *original);
        return;
    }
    // Unknown, or gone since: the picture shown now stays, from outside the folder.
    const std::string kept = parentFolder(paths.programDirectory) + KeptWallpaperName;
    if (!platform.files.copyFile(paths.wallpaperBitmap, kept))
        throw Error(formatMessage("Cannot create file %s", kept));
    showWallpaper(platform, OriginalWallpaper{kept, "", ""});
}

template <class Step>
void attempt(std::vector<std::string>& failures, const char* what, Step&& step)
{
    try {
        step();
    } catch (...) {
        failures.push_back(std::string(what) + ": " + messageOf(std::current_exception()));
    }
}

} // namespace

std::vector<std::string> restoreDesktop(const Platform& platform, const DesktopPaths& paths, const LogoPaths& logos)
{
    std::vector<std::string> failures;
    AgreedDialogs agreed;
    // The Updater first, so that it changes nothing after the restoration.
    attempt(failures, "Updater", [&] {
        if (const WindowHandle updater = findRunningUpdater(platform.windows))
            closeUpdater(platform.windows, updater);
    });
    attempt(failures, "Start with Windows", [&] { unregisterUpdaterAtStartup(platform.registry); });
    attempt(failures, "Sounds", [&] {
        restoreSounds(platform.registry, agreed, buildSoundCatalogue(platform.registry).technicalNames);
    });
    attempt(failures, "Logos", [&] { restoreLogos(platform.files, agreed, logos); });
    attempt(failures, "Wallpaper", [&] { restoreWallpaper(platform, paths); });
    return failures;
}

int runDesktopRestore(const Platform& platform, bool quiet)
{
    if (!quiet && !platform.dialogs.confirm(RestoreDesktopQuestion))
        return 2;
    const std::string program = platform.files.programDirectory();
    const std::string windows = platform.files.windowsDirectory();
    const auto failures =
        restoreDesktop(platform, makeDesktopPaths(program, windows), makeLogoPaths(windows, program));
    if (failures.empty())
        return 0;
    if (!quiet) {
        std::string text = "Not everything could be restored:";
        for (const std::string& failure : failures)
            text += "\n" + failure;
        platform.dialogs.showError(text);
    }
    return 1;
}

} // namespace lv
