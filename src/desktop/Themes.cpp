#include "desktop/Themes.h"

#include "base/Error.h"
#include "platform/Shell.h"

namespace lv {

namespace {

// The switch of each flag position, in the order they are written.
struct ThemeSwitch {
    const char* name;
    std::size_t position; // 0-based in the flags
};

constexpr ThemeSwitch ThemeSwitches[] = {
    {"Colors", 5},        {"Desktop wallpaper", 3}, {"Font and window sizes", 7}, {"Font names and styles", 6},
    {"Icons", 4},         {"Mouse pointers", 2},    {"Screen saver", 0},          {"Sound events", 1},
};

// The flags the theme manager is to honour for a theme file, as stored
// (possibly of the wrong length, which then writes no switch).
void writeSwitchesFor(const Platform& platform, const DesktopPaths& paths, const std::string& path)
{
    const std::string flags =
        ConfigFile(platform.profile, paths.configFile).readString(ThemeOptionsSection, themeFileName(path), AllThemeParts);
    WriteThemeApplySwitches(platform.registry, flags);
}

} // namespace

std::string themeFileName(const std::string& path)
{
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string themePartFlags(const ThemeBoxes& boxes)
{
    std::string flags = "00000000";
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i])
            flags[i] = '1';
    return flags;
}

void StoreThemeOptions(ConfigFile& config, const ThemeBoxes& boxes, const std::string& fileName)
{
    config.writeThemeFlags(fileName, themePartFlags(boxes));
}

void WriteThemeApplySwitches(Registry& registry, const std::string& flags)
{
    const auto key = registry.openKey(RegistryRoot::CurrentUser, ThemeApplyKey, KeyAccess::ReadWrite);
    if (!key || flags.size() != 8)
        return;
    for (const ThemeSwitch& themeSwitch : ThemeSwitches)
        key->writeString(themeSwitch.name, flags.substr(themeSwitch.position, 1));
}

void storeThemeBoxes(const Platform& platform, const DesktopPaths& paths,
                     const std::optional<std::string>& focusedEntry, const ThemeBoxes& boxes)
{
    if (!focusedEntry)
        return;
    ConfigFile config(platform.profile, paths.configFile);
    StoreThemeOptions(config, boxes, themeFileName(*focusedEntry));
}

bool showThemeOptions(const Platform& platform, const DesktopPaths& paths, const std::string& currentItem,
                      const std::optional<std::string>& focusedEntry, ThemeBoxes& boxes)
{
    if (currentItem != DesktopThemeItem || !focusedEntry)
        return false;
    ConfigFile config(platform.profile, paths.configFile);
    const auto flags = config.readThemeFlags(themeFileName(*focusedEntry));
    if (!flags)
        return false;
    bool changed = false;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const bool checked = (*flags)[i] == '1';
        changed = changed || boxes[i] != checked;
        boxes[i] = checked;
    }
    // Each box that changes stores all eight; the last store is what stays.
    if (changed)
        StoreThemeOptions(config, boxes, themeFileName(*focusedEntry));
    return changed;
}

std::intptr_t startThemeManager(const Platform& platform, const DesktopPaths& paths, const std::string& file,
                                const char* verb)
{
    writeSwitchesFor(platform, paths, file);
    return platform.shell.shellExecute(verb, file, "", "", ShowNormal);
}

void applyThemeFile(const Platform& platform, const DesktopPaths& paths, const std::string& file)
{
    const std::intptr_t result = startThemeManager(platform, paths, file, ApplyThemeVerb);
    if (result == ShellNoAssociation)
        throw WriteRefused("no program applies .theme files here");
    if (result <= ShellSuccessAbove)
        throw WriteRefused(shellExecuteFailure(result));
}

bool applyTheme(const Platform& platform, const DesktopPaths& paths, const std::string& currentItem,
                const std::optional<std::string>& focusedEntry)
{
    if (currentItem != DesktopThemeItem || !focusedEntry)
        return false;
    startThemeManager(platform, paths, *focusedEntry, ApplyThemeVerb);
    return true;
}

void previewTheme(const Platform& platform, const DesktopPaths& paths, const std::string& currentItem,
                  const std::optional<std::string>& focusedEntry)
{
    if (currentItem != DesktopThemeItem || !focusedEntry)
        return;
    startThemeManager(platform, paths, *focusedEntry, PreviewThemeVerb);
}

void copyThemeOptionsToSelected(const Platform& platform, const DesktopPaths& paths,
                                const std::vector<std::string>& selectedEntries, const ThemeBoxes& boxes)
{
    // One selected entry already holds what the boxes show.
    if (selectedEntries.size() <= 1)
        return;
    ConfigFile config(platform.profile, paths.configFile);
    for (const std::string& entry : selectedEntries)
        StoreThemeOptions(config, boxes, themeFileName(entry));
}

} // namespace lv
