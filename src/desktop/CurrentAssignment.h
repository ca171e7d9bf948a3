#pragma once
// The "Current:" label: the name of the file the system uses right now for
// the item being edited, asked of the system or of the configuration file.
#include "desktop/DesktopContext.h"
#include "platform/Platform.h"

#include <string>

namespace lv {

constexpr const char* UnknownOrNone = "unknown or none";
constexpr const char* ActiveDesktopGeneralKey = "\\Software\\Microsoft\\Internet Explorer\\Desktop\\General";
constexpr const char* ClassicDesktopKey = "\\Control Panel\\desktop";
constexpr const char* CurrentThemeKey = "\\Software\\Microsoft\\Plus!\\Themes\\Current";

// The full path the system records for the item; empty when nothing is
// recorded. itemName is the selected item's name: a general or logo item's
// name, or a sound event's technical name; empty when no item is selected.
// A registry value that is not text throws "Invalid data type for '<name>'".
std::string currentAssignment(const Platform& platform, const DesktopPaths& paths, int category,
                              const std::string& itemName);

// currentfileClick: the label's text, the bare (long) file name of the
// current assignment or "unknown or none".
std::string currentfileText(const Platform& platform, const DesktopPaths& paths, int category,
                            const std::string& itemName);

} // namespace lv
