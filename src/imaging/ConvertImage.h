#pragma once
// Turning a picture the user chose into one of the program's two bitmap
// files, the preview bitmap and the wallpaper bitmap.
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/PictureDepth.h"
#include "imaging/PictureFiles.h"
#include "platform/FileSystem.h"
#include "platform/UserDialogs.h"

namespace lv::imaging {

constexpr const char* PreviewBitmapName = "LumivaneTemp.bmp";
constexpr const char* WallpaperBitmapName = "LumivaneWallpaper.bmp";

// The reader of the file's extension (PictureFiles.h): ".BMP"/".SYS" copy,
// ".ICO" icon, ".JPG"/".JPEG" JPEG, ".GIF" GIF, anything else other.
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
// the target as it was; a target that cannot be written raises WriteRefused
// ("Cannot create file <target>"). A bitmap that cannot be copied to the
// preview leaves it as it was; to the wallpaper bitmap it raises "Cannot open
// file <source>" or WriteRefused.
void ConvertImageToBitmap(const ImageConversion& conversion, const std::string& fileName, bool forWallpaper);

// The picture of fileName as a bitmap file in memory, decoded as
// ConvertImageToBitmap decodes it; bitmaps and logo files are read and must
// be valid bitmaps. Throws the reading or decoding layer's message, and
// Error("Unknown picture file extension (.xyz)") for any other file.
std::vector<std::uint8_t> DecodePictureFile(const ImageConversion& conversion, const std::string& fileName);

} // namespace lv::imaging
