#pragma once
// "Apply Now" on the Wallpaper page: the focused entry becomes the desktop
// wallpaper at once, and the configuration file remembers which file it was.
#include "desktop/DesktopContext.h"
#include "imaging/PictureDepth.h"
#include "platform/Platform.h"

#include <optional>
#include <string>

namespace lv {


// How a wallpaper file reaches the desktop, for Apply Now and the Updater
// alike: HTML pages go to Active Desktop as they are, always centred; every
// other file is first turned into the wallpaper bitmap, which is applied
// with the display mode. A conversion error propagates before anything is
// applied (a target that cannot be written as WriteRefused). With lasting,
// the change outlives the session and a file the conversion would only copy
// or pass over is first read as a picture, so that a broken one is refused
// instead of shown as nothing. True when the system took the wallpaper.
bool showWallpaperFile(const Platform& platform, const DesktopPaths& paths, imaging::PictureDepth depth,
                       const std::string& file, int displayMode, bool lasting);

// "Apply Now": the focused entry shown for the session, and recorded as the
// current wallpaper. Nothing happens without a focused entry.
void applyWallpaper(const Platform& platform, const DesktopPaths& paths, imaging::PictureDepth depth,
                    const std::optional<std::string>& focusedEntry, int displayMode);

} // namespace lv
