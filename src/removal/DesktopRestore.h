#pragma once
// What removing the programs has to undo on the running system before their
// folder goes: the Updater and its start with Windows, the sounds and logos
// the programs replaced, and a wallpaper that is the programs' own bitmap.
// The restore program runs this; the uninstaller runs that program, so the
// restoration is the Control Center's own code, not a second copy of it.
#include "desktop/DesktopContext.h"
#include "desktop/Logos.h"
#include "platform/Platform.h"

#include <string>
#include <vector>

namespace lv {

constexpr const char* RestoreDesktopQuestion =
    "Stop the Updater and give Windows back its own sounds, logos and your wallpaper?";
// Where the programs' bitmap is kept when the user's earlier wallpaper is
// unknown: beside the programs' folder, which is about to go.
constexpr const char* KeptWallpaperName = "Lumivane 3 Wallpaper.bmp";

// Every step is taken, whatever the one before did; returns one line per
// step that failed.
std::vector<std::string> restoreDesktop(const Platform& platform, const DesktopPaths& paths, const LogoPaths& logos);

// The restore program's run: asks first unless quiet (the uninstaller has
// asked already), and shows what failed unless quiet. 0 when everything was
// restored, 1 when a step failed, 2 when the user said no.
int runDesktopRestore(const Platform& platform, bool quiet);

} // namespace lv
