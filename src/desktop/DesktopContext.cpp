#include "desktop/DesktopContext.h"

#include "config/ConfigFile.h"
#include "desktop/OriginalWallpaper.h"
#include "imaging/ConvertImage.h"

namespace lv {

DesktopPaths makeDesktopPaths(const std::string& programDirectory, const std::string& windowsDirectory)
{
    return DesktopPaths{programDirectory, windowsDirectory, programDirectory + ConfigFileName,
                        programDirectory + imaging::WallpaperBitmapName,
                        programDirectory + OriginalWallpaperFileName};
}

} // namespace lv
