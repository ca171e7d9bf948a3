#pragma once
// The two ways a wallpaper reaches the system: the classic one for bitmaps
// (two registry values, then the system parameter) and Active Desktop, the
// only one that shows HTML pages and which keeps its own record of bitmaps.
#include "platform/ActiveDesktop.h"
#include "platform/Registry.h"
#include "platform/SystemParameters.h"

#include <string>

namespace lv {

// Display modes, passed unchanged to the system as wallpaper styles.
constexpr int WallpaperCentered = 0;
constexpr int WallpaperTiled = 1;
constexpr int WallpaperStretched = 2;

constexpr const char* DesktopKey = "\\Control Panel\\Desktop";
// Active Desktop stores, regenerates its HTML and redraws at once.
constexpr unsigned AdApplyAll = AdApplySave | AdApplyHtmlGen | AdApplyRefresh;

bool isHtmlFile(const std::string& path);
bool isBitmapFile(const std::string& path);

// True when the shell's Active Desktop object can be created; the object is
// released at once.
bool ActiveDesktopAvailable(ActiveDesktopService& service);

// Bitmaps go the classic way first, then to Active Desktop; HTML pages only
// to Active Desktop; other files nowhere.
// With lasting, the classic way also stores the wallpaper in the user profile.
// True when one of the ways took the file.
bool ApplyWallpaperFile(Registry& registry, SystemParameters& system, ActiveDesktopService& activeDesktop,
                        const std::string& path, int displayMode, bool lasting = false);

// The classic way, for ".BMP" paths only: TileWallpaper and WallpaperStyle,
// then the system shows the bitmap. Skipped entirely when the desktop key
// cannot be opened (false); a value that cannot be written throws
// "Failed to set data for '<name>'" before the wallpaper is changed, and a
// wallpaper the system refuses throws WriteRefused. True when it was taken.
bool SetBitmapWallpaper(Registry& registry, SystemParameters& system, const std::string& path, int displayMode,
                        bool lasting = false);

// The Active Desktop way, for ".HTML", ".HTM" and ".BMP" paths; nothing when
// Active Desktop is absent. The whole path is handed over. True when the
// object accepted every step.
bool SetActiveDesktopWallpaper(ActiveDesktopService& activeDesktop, const std::string& path, int displayMode);

} // namespace lv
