#include "desktop/ScreenSaver.h"

#include "config/ConfigFile.h"
#include "desktop/ActDesk.h"
#include "desktop/Themes.h"

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
    profile.writeString(windowsDirectory + "\\system.ini", "boot", ScreenSaverValue, path);
    if (!ntFamily)
        return;
    if (const auto key = registry.openKey(RegistryRoot::CurrentUser, DesktopKey, KeyAccess::ReadWrite))
        key->writeString(ScreenSaverValue, path);
}

} // namespace lv
