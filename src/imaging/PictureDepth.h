#pragma once
// The colour depth of the bitmaps the program writes for icons and JPEG
// pictures: chosen once when the program starts, from the display.
#include <cstdint>
#include <vector>

namespace lv::imaging {

enum class PictureDepth {
    TrueColor, // 24 bits: every colour of a display of more than 256 colours
    Palette,   // 8 bits with a palette, for displays of 256 colours or fewer
};

PictureDepth PictureDepthForDisplay(int displayBitsPerPixel);

// A 24-bit bitmap file (as CreateBitmapFile makes it) as an 8-bit one: its
// own colours as the palette where there are at most 256 of them, else each
// pixel's nearest colour of an even 8 x 8 x 4 (red, green, blue) palette.
std::vector<std::uint8_t> ReduceToPalette(const std::vector<std::uint8_t>& trueColorFile);

} // namespace lv::imaging
