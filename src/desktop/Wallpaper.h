#pragma once
// "Apply Now" on the Wallpaper page: the focused entry becomes the desktop
// wallpaper at once, and the configuration file remembers which file it was.
#include "desktop/DesktopContext.h"
#include "imaging/PictureDepth.h"
#include "platform/Platform.h"

#include <optional>
#include <string>

namespace lv {


// HTML pages go to Active Desktop as they are, always centred; every other
// file is first turned into the wallpaper bitmap, which is applied with the
// display mode. A conversion error propagates before anything is applied or
// written. Nothing happens without a focused entry.
void applyWallpaper(const Platform& platform, const DesktopPaths& paths, imaging::PictureDepth depth,
                    const std::optional<std::string>& focusedEntry, int displayMode);

} // namespace lv
