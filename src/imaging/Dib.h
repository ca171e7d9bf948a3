#pragma once
// The one reader of device-independent bitmaps, as bitmap files, icons and
// resources hold them: a BITMAPINFOHEADER (or a longer header), the colour
// table of 1-, 4- and 8-bit pictures, then rows padded to 4 bytes, bottom-up
// or top-down. Every offset and size is checked against the data before a
// pixel is read, so a short or odd picture is refused, never read past.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lv::imaging {

struct DibLayout {
    std::int32_t width = 0;
    std::int32_t height = 0; // rows of the picture
    bool bottomUp = true;
    int bits = 0;            // 1, 4, 8, 24 or 32
    std::size_t infoOffset = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteCount = 0;
    std::size_t pixelsOffset = 0;
    std::size_t stride = 0;  // bytes of one stored row
};

struct DibRules {
    // Where the pixels start; none: right after the colour table.
    std::optional<std::size_t> pixelsOffset;
    // An icon's image: its header counts the mask's rows too, so the
    // picture has half the height; the mask follows the colour rows.
    bool icon = false;
    // What a refused picture is called in the exception.
    std::string invalidMessage = "Bitmap image is not valid";
};

// Checks the header at infoOffset and where its parts lie; throws
// Error(rules.invalidMessage) for what is not an uncompressed picture of 1,
// 4, 8, 24 or 32 bits that the data holds whole, or one larger than
// MaxPicturePixels.
DibLayout readDib(std::span<const std::uint8_t> data, std::size_t infoOffset, const DibRules& rules = {});

// 0xRRGGBB of the pixel at column x, row y from the top; 0 outside the
// picture and for an index past the colour table.
std::uint32_t dibPixel(std::span<const std::uint8_t> data, const DibLayout& dib, std::int32_t x, std::int32_t y);

// A whole bitmap file ("BM", the file header, then the picture).
DibLayout readBitmapFile(std::span<const std::uint8_t> file);

} // namespace lv::imaging
