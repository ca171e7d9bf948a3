#include "imaging/IconImage.h"

#include <algorithm>
#include <cstddef>

#include "imaging/Bitmap.h"
#include "imaging/Dib.h"
#include "imaging/MoreUtil.h"
#include "base/Error.h"

namespace lv::imaging {

namespace {

constexpr std::size_t DirectorySize = 6;
constexpr std::size_t EntrySize = 16;
constexpr int DefaultIconSize = 32;

const char* const InvalidIcon = "Icon image is not valid";

[[noreturn]] void Invalid()
{
    throw Error(InvalidIcon);
}

struct Entry {
    int width;
    int height;
    int bitCount;
    std::uint32_t size;
    std::uint32_t offset;
};

Entry ReadEntry(const std::uint8_t* p)
{
    Entry e{p[0] == 0 ? 256 : p[0], p[1] == 0 ? 256 : p[1], ReadLE16(p + 6), ReadLE32(p + 8), ReadLE32(p + 12)};
    if (e.bitCount == 0) {
        const int colors = p[2];
        e.bitCount = colors == 2 ? 1 : colors == 16 ? 4 : 8;
    }
    return e;
}

// The image the system would take for its default icon size (the deepest
// colour among the 32 x 32 ones), else the first.
Entry ChooseEntry(std::span<const std::uint8_t> data, std::size_t count)
{
    Entry chosen = ReadEntry(data.data() + DirectorySize);
    bool found = false;
    for (std::size_t i = 0; i < count; ++i) {
        const auto e = ReadEntry(data.data() + DirectorySize + i * EntrySize);
        if (e.width == DefaultIconSize && e.height == DefaultIconSize && (!found || e.bitCount > chosen.bitCount)) {
            chosen = e;
            found = true;
        }
    }
    return chosen;
}

} // namespace

std::vector<std::uint8_t> DecodeIconToBitmapFile(std::span<const std::uint8_t> data)
{
    if (data.size() < DirectorySize || ReadLE16(data.data()) != 0 || ReadLE16(data.data() + 2) != 1)
        Invalid();
    const std::size_t count = ReadLE16(data.data() + 4);
    if (count == 0 || data.size() < DirectorySize + count * EntrySize)
        Invalid();
    const auto entry = ChooseEntry(data, count);
    if (entry.offset >= data.size())
        Invalid();
    const auto image = data.subspan(entry.offset, std::min<std::size_t>(entry.size, data.size() - entry.offset));
    // The image is a bitmap whose header counts its mask's rows as well.
    const DibLayout dib = readDib(image, 0, {.pixelsOffset = std::nullopt, .icon = true, .invalidMessage = InvalidIcon});
    if (static_cast<std::int32_t>(ReadLE32(image.data() + 8)) < 0 || dib.width > 256 || dib.height > 256)
        Invalid();
    const int bits = dib.bits;
    const auto w = static_cast<std::uint32_t>(dib.width);
    const auto h = static_cast<std::uint32_t>(dib.height);
    const std::size_t colorStride = dib.stride;
    const std::size_t maskStride = BitmapRowStride(w, 1);
    const std::size_t colorsAt = dib.pixelsOffset;
    const std::size_t maskAt = colorsAt + colorStride * h;
    // 32-bit images carry their transparency in alpha; their mask may be cut.
    const bool hasMask = maskAt + maskStride * h <= image.size();
    if (!hasMask && bits != 32)
        Invalid();

    bool useAlpha = false;
    if (bits == 32)
        for (std::uint32_t y = 0; y < h && !useAlpha; ++y)
            for (std::uint32_t x = 0; x < w && !useAlpha; ++x)
                useAlpha = image[colorsAt + y * colorStride + 4 * x + 3] != 0;

    auto file = CreateBitmapFile(w, h, 24, {}, 0);
    for (std::uint32_t y = 0; y < h; ++y) {
        // Icon rows are stored bottom-up, like the bitmap written.
        const auto* colors = image.data() + colorsAt + (h - 1 - y) * colorStride;
        const auto* mask = hasMask ? image.data() + maskAt + (h - 1 - y) * maskStride : nullptr;
        auto* out = BitmapRowFromTop(file, y);
        for (std::uint32_t x = 0; x < w; ++x) {
            std::uint8_t b = 0, g = 0, r = 0, a = 255;
            if (bits >= 24) {
                const auto* p = colors + x * (bits / 8);
                b = p[0];
                g = p[1];
                r = p[2];
                if (bits == 32)
                    a = p[3];
            } else {
                const std::uint32_t c = dibPixel(image, dib, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
                b = static_cast<std::uint8_t>(c);
                g = static_cast<std::uint8_t>(c >> 8);
                r = static_cast<std::uint8_t>(c >> 16);
            }
            auto* o = out + 3 * x;
            if (useAlpha) {
                const auto blend = [a](std::uint8_t c) {
                    return static_cast<std::uint8_t>((c * a + 255 * (255 - a) + 127) / 255);
                };
                o[0] = blend(b);
                o[1] = blend(g);
                o[2] = blend(r);
            } else {
                // The system draws an icon as (background AND mask) XOR colour.
                const bool transparent = mask && ((mask[x / 8] >> (7 - x % 8)) & 1) != 0;
                const std::uint8_t background = transparent ? 255 : 0;
                o[0] = static_cast<std::uint8_t>(background ^ b);
                o[1] = static_cast<std::uint8_t>(background ^ g);
                o[2] = static_cast<std::uint8_t>(background ^ r);
            }
        }
    }
    return file;
}

} // namespace lv::imaging
