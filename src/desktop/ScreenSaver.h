#pragma once
// The Screen Saver page's actions on the running system: run the focused
// screen saver, or open its settings dialog.
#include "desktop/DesktopContext.h"
#include "platform/Platform.h"

#include <optional>
#include <string>

namespace lv {

// The command line that starts a screen saver without arguments (which
// shows its settings): the path as it is, in quotes when it holds a space,
// so that the system does not take the text before the space as the program.
std::string screenSaverCommandLine(const std::string& path);

// "Preview" (BitBtn9Click): the screen saver runs as the system would start it.
void previewScreenSaver(Shell& shell, const std::string& currentItem,
                        const std::optional<std::string>& focusedEntry);

// The screen saver branch of "Options": its settings dialog.
void configureScreenSaver(Shell& shell, const std::string& currentItem,
                          const std::optional<std::string>& focusedEntry);

// "Options" (BitBtn10Click): the settings of the focused screen saver, or the
// theme manager on the focused theme, by the current item.
void optionsForSelectedFile(const Platform& platform, const DesktopPaths& paths, const std::string& currentItem,
                            const std::optional<std::string>& focusedEntry);

constexpr const char* ScreenSaverValue = "SCRNSAVE.EXE";

// Makes the screen saver the system's own. Windows 95, 98 and Me read key
// "SCRNSAVE.EXE" of section "boot" in the Windows directory's system.ini;
// the NT family reads the value of that name under HKEY_CURRENT_USER
// \Control Panel\Desktop, which is the change there (a key that does not
// open for writing raises WriteRefused), and system.ini is then written
// where it can be. Failures to write what the system reads propagate.
void setSystemScreenSaver(ProfileFile& profile, Registry& registry, const std::string& windowsDirectory,
                          const std::string& path, bool ntFamily);

} // namespace lv
