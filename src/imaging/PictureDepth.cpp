#include "imaging/PictureDepth.h"

#include <array>
#include <unordered_map>

#include "imaging/Bitmap.h"
#include "imaging/MoreUtil.h"

namespace lv::imaging {

namespace {

// Nearest of levels + 1 even steps from 0 to 255, and the value of a step.
int Level(std::uint8_t value, int levels)
{
    return (value * levels + 127) / 255;
}

std::uint8_t LevelValue(int level, int levels)
{
    return static_cast<std::uint8_t>((level * 255 + levels / 2) / levels);
}

std::uint32_t Bgr(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16);
}

} // namespace

PictureDepth PictureDepthForDisplay(int displayBitsPerPixel)
{
    return displayBitsPerPixel <= 8 ? PictureDepth::Palette : PictureDepth::TrueColor;
}

std::vector<std::uint8_t> ReduceToPalette(const std::vector<std::uint8_t>& trueColorFile)
{
    const auto width = ReadLE32(trueColorFile.data() + 18);
    const auto height = ReadLE32(trueColorFile.data() + 22);
    const auto stride = BitmapRowStride(width, 24);
    const auto* pixels = trueColorFile.data() + ReadLE32(trueColorFile.data() + 10);
    const auto rowFromTop = [&](std::uint32_t y) { return pixels + stride * (height - 1 - y); };

    // The picture's own colours, in first-seen order, while they fit.
    std::unordered_map<std::uint32_t, std::uint8_t> index;
    std::array<TColorItem, 256> palette{};
    bool fits = true;
    for (std::uint32_t y = 0; y < height && fits; ++y)
        for (std::uint32_t x = 0; x < width && fits; ++x) {
            const auto* p = rowFromTop(y) + 3 * x;
            if (index.contains(Bgr(p)))
                continue;
            fits = index.size() < palette.size();
            if (fits) {
                palette[index.size()] = {p[2], p[1], p[0]};
                index.emplace(Bgr(p), static_cast<std::uint8_t>(index.size()));
            }
        }
    if (!fits)
        for (int i = 0; i < 256; ++i)
            palette[static_cast<std::size_t>(i)] = {LevelValue(i >> 5, 7), LevelValue((i >> 2) & 7, 7),
                                                    LevelValue(i & 3, 3)};

    auto file = CreateBitmapFile(width, height, 8, palette, ReadLE32(trueColorFile.data() + 38));
    for (std::uint32_t y = 0; y < height; ++y) {
        const auto* in = rowFromTop(y);
        auto* out = BitmapRowFromTop(file, y);
        for (std::uint32_t x = 0; x < width; ++x) {
            const auto* p = in + 3 * x;
            out[x] = fits ? index[Bgr(p)]
                          : static_cast<std::uint8_t>((Level(p[2], 7) << 5) | (Level(p[1], 7) << 2) | Level(p[0], 3));
        }
    }
    return file;
}

} // namespace lv::imaging
