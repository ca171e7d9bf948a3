#pragma once
// Turning a picture the user chose into one of the program's two bitmap
// files, the preview bitmap and the wallpaper bitmap.
#include <string>

#include "imaging/PictureDepth.h"
#include "platform/FileSystem.h"
#include "platform/UserDialogs.h"

namespace lv::imaging {

constexpr const char* PreviewBitmapName = "LumivaneTemp.bmp";
constexpr const char* WallpaperBitmapName = "LumivaneWallpaper.bmp";

enum class ImageClass { Copy, Icon, Jpeg, Gif, Other };

// By the upper-cased extension: ".BMP"/".SYS" copy, ".ICO" icon,
// ".JPG"/".JPEG" JPEG, ".GIF" GIF, anything else other.
ImageClass ClassifyImageFile(const std::string& fileName);

// What every conversion of a run shares: the files, the cursor, and the
// colour depth chosen once when the program started.
struct ImageConversion {
    FileSystem& files;
    Ui& ui;
    PictureDepth depth;
};

// Writes the picture of fileName into the program directory's preview
// bitmap, or its wallpaper bitmap when forWallpaper. Bitmaps and logo files
// are copied; icons, JPEG and GIF pictures are decoded (icons and JPEG
// pictures at the run's depth, GIF pictures at 8 bits); other files change
// nothing. Read and decode errors propagate with their messages and leave
// the target as it was.
void ConvertImageToBitmap(const ImageConversion& conversion, const std::string& fileName, bool forWallpaper);

} // namespace lv::imaging
