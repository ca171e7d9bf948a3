#pragma once
// Every kind of file the programs take as a wallpaper or a logo, by its
// extension: which reader turns it into a bitmap, and where it may go. The
// conversion, list editing, drops, folder import, the display-mode rule,
// Apply Now and the Updater all ask this table; a new picture format is a
// new row here plus its reader.
#include <array>
#include <string>

namespace lv::imaging {

// How a file becomes the bitmap: copied as it is, or decoded by a reader;
// Other files are not pictures (an HTML page is shown by Active Desktop).
enum class ImageClass { Copy, Icon, Jpeg, Gif, Other };

struct PictureFileType {
    const char* extension; // upper case, with its dot
    ImageClass reader;
    bool wallpaper;          // shown as a wallpaper picture
    bool logo;               // a startup or shutdown logo
    bool activeDesktopPage;  // a wallpaper only through Active Desktop
};

constexpr std::array<PictureFileType, 8> PictureFileTypes{{
    {".BMP", ImageClass::Copy, true, true, false},
    {".JPG", ImageClass::Jpeg, true, true, false},
    {".JPEG", ImageClass::Jpeg, true, true, false},
    {".GIF", ImageClass::Gif, true, true, false},
    {".ICO", ImageClass::Icon, true, false, false},
    {".SYS", ImageClass::Copy, false, true, false}, // a ready-made logo file
    {".HTM", ImageClass::Other, false, false, true},
    {".HTML", ImageClass::Other, false, false, true},
}};

// The row of the file's extension (letter case ignored); nullptr for none.
const PictureFileType* pictureFileType(const std::string& path);

} // namespace lv::imaging
