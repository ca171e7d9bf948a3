#pragma once
// The rules of cycle list editing that do not depend on the window: which
// files an item takes, the open dialogs' filters, the texts shown about the
// list and where a picture goes in the preview frame.
#include "base/Geometry.h"

#include <string>
#include <vector>

namespace lv {

constexpr const char* WallpaperFilter =
    "Bmp/Jpg/Gif/Ico/Html Files|*.bmp;*.jpg;*.jpeg;*.gif;*.ico;*.html;*.htm|Bitmap Images|*.bmp|"
    "Jpeg Images|*.jpg;*.jpeg|Gif Images|*.gif|Icon Images|*.ico|HTML Files|*.htm;*.html";
constexpr const char* SoundFilter = "Wav Sound Files|*.wav";
constexpr const char* ScreenSaverFilter = "Screen Saver Files|*.scr";
constexpr const char* LogoFilter = "Bmp/Jpg/Gif/Sys Images|*.bmp;*.jpg;*.jpeg;*.gif;*.sys|Bitmap Images|*.bmp|"
                                   "Jpeg Images|*.jpg;*.jpeg|Gif Images|*.gif|Pre-made (.sys) Logos|*.sys";
constexpr const char* ThemeFilter = "Desktop Theme Files|*.theme";

constexpr const char* NextHintPrefix = "next file to be used for current item: ";

// Which kind of item the list holds, as far as editing cares.
enum class ItemKind { None, Wallpaper, ScreenSaver, DesktopTheme, Logo, Sound };

// Where new entries go: after the last, or in front of the focused one.
enum class Placement { Append, Insert };

// A wallpaper file shown as a picture (".BMP", ".JPG", ".JPEG", ".GIF", ".ICO").
bool isWallpaperImage(const std::string& path);
// An HTML page (".HTM", ".HTML"); a wallpaper only with Active Desktop.
bool isHtmlPage(const std::string& path);
// Whether an item of this kind takes the file (letter case ignored).
bool acceptsFile(ItemKind kind, const std::string& path, bool activeDesktop);

// "(3) name.ext", and " (5 total)" after it when more than one is selected.
std::string lastSelectText(int focusIndex, const std::string& path, int selectedCount);
// The hint of the next file number box for a 1-based number over a list.
std::string nextFileHint(int nextNumber, const std::vector<std::string>& files);

// Where a picture of the given size is shown in the preview frame: at its
// own size when it fits, otherwise as large as the frame allows with its
// proportions kept; centred in the frame either way.
Rect previewPlacement(Size picture, Rect frame);

} // namespace lv
