#include "desktop/ScreenSaver.h"

#include "config/ConfigFile.h"
#include "desktop/ActDesk.h"
#include "desktop/Themes.h"
#include "base/Error.h"

namespace lv {

std::string screenSaverCommandLine(const std::string& path)
{
    if (path.find(' ') == std::string::npos)
        return path;
    return '"' + path + '"';
}

void previewScreenSaver(Shell& shell, const std::string& currentItem,
                        const std::optional<std::string>& focusedEntry)
{
    if (currentItem != ScreenSaverItem || !focusedEntry)
        return;
    shell.shellExecute("open", *focusedEntry, "", "", ShowNormal);
}

void configureScreenSaver(Shell& shell, const std::string& currentItem,
                          const std::optional<std::string>& focusedEntry)
{
    if (currentItem != ScreenSaverItem || !focusedEntry)
        return;
    shell.winExec(screenSaverCommandLine(*focusedEntry), ShowNormal);
}

void optionsForSelectedFile(const Platform& platform, const DesktopPaths& paths, const std::string& currentItem,
                            const std::optional<std::string>& focusedEntry)
{
    configureScreenSaver(platform.shell, currentItem, focusedEntry);
    previewTheme(platform, paths, currentItem, focusedEntry);
}

void setSystemScreenSaver(ProfileFile& profile, Registry& registry, const std::string& windowsDirectory,
                          const std::string& path, bool ntFamily)
{
    const std::string systemIni = windowsDirectory + "\\system.ini";
    if (!ntFamily) {
        profile.writeString(systemIni, "boot", ScreenSaverValue, path);
        return;
    }
    // The NT family reads the user's own value; the Windows folder is not the
    // user's to write since Vista, and system.ini there is only kept in step.
    const auto key = registry.openKey(RegistryRoot::CurrentUser, DesktopKey, KeyAccess::ReadWrite);
    if (!key)
        throw WriteRefused(formatMessage("Failed to set data for '%s'", ScreenSaverValue),
                           "HKEY_CURRENT_USER\\Control Panel\\Desktop cannot be opened for writing");
    key->writeString(ScreenSaverValue, path);
    try {
        profile.writeString(systemIni, "boot", ScreenSaverValue, path);
    } catch (const Error&) {
    }
}

} // namespace lv
