#include "imaging/LogoImage.h"

#include <algorithm>
#include <array>

#include "imaging/Bitmap.h"
#include "imaging/Dib.h"
#include "base/Error.h"

namespace lv::imaging {

namespace {

// The logo is shown stretched over the whole screen: what matters for the
// picture's proportions is this 4:3 frame, mapped onto 320 x 400 pixels.
constexpr double FrameWidth = 640.0;
constexpr double FrameHeight = 480.0;
constexpr int Levels = 6;

std::array<TColorItem, 256> CubePalette()
{
    std::array<TColorItem, 256> palette{};
    for (int i = 0; i < Levels * Levels * Levels; ++i) {
        const auto level = [](int step) { return static_cast<std::uint8_t>(step * 255 / (Levels - 1)); };
        palette[static_cast<std::size_t>(i)] = TColorItem{level(i / 36), level(i / 6 % 6), level(i % 6)};
    }
    return palette;
}

std::uint8_t CubeIndex(std::uint32_t rgb)
{
    const auto step = [](std::uint32_t channel) { return static_cast<int>((channel * (Levels - 1) + 127) / 255); };
    return static_cast<std::uint8_t>(step(rgb >> 16 & 0xFF) * 36 + step(rgb >> 8 & 0xFF) * 6 + step(rgb & 0xFF));
}

} // namespace

std::vector<std::uint8_t> MakeLogoBitmapFile(std::span<const std::uint8_t> picture)
{
    // Read in place: the picture may be a large decoded photograph, and a
    // copy of it would double the conversion's memory.
    const DibLayout source = readBitmapFile(picture);
    const auto palette = CubePalette();
    auto logo = CreateBitmapFile(LogoWidth, LogoHeight, 8, palette, 0);

    const double width = source.width, height = source.height;
    const double scale = std::min(FrameWidth / width, FrameHeight / height);
    const double left = (FrameWidth - width * scale) / 2, top = (FrameHeight - height * scale) / 2;
    const std::uint8_t black = CubeIndex(0);
    for (int y = 0; y < LogoHeight; ++y) {
        std::uint8_t* row = BitmapRowFromTop(logo, static_cast<std::uint32_t>(y));
        const double frameY = (y + 0.5) * FrameHeight / LogoHeight;
        const auto sourceY = static_cast<std::int32_t>((frameY - top) / scale);
        for (int x = 0; x < LogoWidth; ++x) {
            const double frameX = (x + 0.5) * FrameWidth / LogoWidth;
            const auto sourceX = static_cast<std::int32_t>((frameX - left) / scale);
            const bool inside = frameX >= left && frameY >= top && sourceX < source.width &&
                                sourceY < source.height;
            row[x] = inside ? CubeIndex(dibPixel(picture, source, sourceX, sourceY)) : black;
        }
    }
    return logo;
}

} // namespace lv::imaging
