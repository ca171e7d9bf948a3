#pragma once
// Which parts of each desktop theme the theme manager takes: eight flags per
// theme file, kept in the configuration file under the file's name, shown in
// the eight check boxes of the Theme page and handed to the theme manager
// through its registry switches.
#include "config/ConfigFile.h"
#include "desktop/DesktopContext.h"
#include "platform/Platform.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lv {

// The boxes t1..t8 in flag order: screen saver, sounds, mouse pointers,
// wallpaper, icons, colours, font names and styles, font and window sizes.
using ThemeBoxes = std::array<bool, 8>;

constexpr const char* ThemeApplyKey = "\\SOFTWARE\\Microsoft\\Plus!\\Themes\\Apply";
constexpr const char* ApplyThemeVerb = "Apply Settings";
constexpr const char* PreviewThemeVerb = "open";

// A theme file's key: its name after the last backslash, extension included.
std::string themeFileName(const std::string& path);
// "1" for every checked box, "0" for the others.
std::string themePartFlags(const ThemeBoxes& boxes);

void StoreThemeOptions(ConfigFile& config, const ThemeBoxes& boxes, const std::string& fileName);
// Writes the eight switches when the Apply key opens and the flags are eight
// characters long; nothing otherwise. A switch that cannot be written throws
// "Failed to set data for '<name>'".
void WriteThemeApplySwitches(Registry& registry, const std::string& flags);

// A box changed (t1Click..t8Click): all eight boxes are stored for the
// focused entry.
void storeThemeBoxes(const Platform& platform, const DesktopPaths& paths,
                     const std::optional<std::string>& focusedEntry, const ThemeBoxes& boxes);

// A Desktop Theme entry was picked: sets the boxes from its stored flags
// (all parts when it has none; a value not eight long leaves them). When a
// box changes, the boxes are stored for the entry as the box handlers would,
// so the entry then holds what the boxes show. True when a box changed.
bool showThemeOptions(const Platform& platform, const DesktopPaths& paths, const std::string& currentItem,
                      const std::optional<std::string>& focusedEntry, ThemeBoxes& boxes);

// "Apply Now" (hbitbtn21Click): switches from the entry's flags, then the
// theme manager applies the theme. True when it ran; the current-file label
// is to be refreshed then.
bool applyTheme(const Platform& platform, const DesktopPaths& paths, const std::string& currentItem,
                const std::optional<std::string>& focusedEntry);

// Switches from the file's flags, then the theme manager's verb on the file;
// the system's result.
std::intptr_t startThemeManager(const Platform& platform, const DesktopPaths& paths, const std::string& file,
                                const char* verb);
// The Updater's theme change: as Apply Now, but a verb the system refuses
// raises WriteRefused with the reason, so that nothing is called changed
// that was not.
void applyThemeFile(const Platform& platform, const DesktopPaths& paths, const std::string& file);

// "Preview Selected Theme" (the theme branch of the Options button): switches
// from the entry's flags, then the theme manager opens on the theme.
void previewTheme(const Platform& platform, const DesktopPaths& paths, const std::string& currentItem,
                  const std::optional<std::string>& focusedEntry);

// "Same" (hbitbtn29Click): the boxes' flags for every selected entry, when
// more than one is selected.
void copyThemeOptionsToSelected(const Platform& platform, const DesktopPaths& paths,
                                const std::vector<std::string>& selectedEntries, const ThemeBoxes& boxes);

} // namespace lv
