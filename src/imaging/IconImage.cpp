#include "imaging/IconImage.h"

#include <algorithm>
#include <cstddef>

#include "imaging/Bitmap.h"
#include "imaging/MoreUtil.h"
#include "base/Error.h"

namespace lv::imaging {

namespace {

constexpr std::size_t DirectorySize = 6;
constexpr std::size_t EntrySize = 16;
constexpr int DefaultIconSize = 32;

[[noreturn]] void Invalid()
{
    throw Error("Icon image is not valid");
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
    if (image.size() < 40)
        Invalid();

    const auto* info = image.data();
    const auto headerSize = ReadLE32(info);
    const auto width = static_cast<std::int32_t>(ReadLE32(info + 4));
    const auto doubleHeight = static_cast<std::int32_t>(ReadLE32(info + 8));
    const int planes = ReadLE16(info + 12);
    const int bits = ReadLE16(info + 14);
    const auto compression = ReadLE32(info + 16);
    const auto colorsUsed = ReadLE32(info + 32);
    const auto height = doubleHeight / 2;
    if (headerSize < 40 || headerSize > image.size() || width < 1 || width > 256 || height < 1 || height > 256 ||
        planes != 1 || compression != 0)
        Invalid();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        Invalid();
    std::size_t paletteCount = 0;
    if (bits <= 8) {
        const std::size_t full = std::size_t{1} << bits;
        paletteCount = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    }
    const auto w = static_cast<std::uint32_t>(width);
    const auto h = static_cast<std::uint32_t>(height);
    const std::size_t colorStride = BitmapRowStride(w, bits);
    const std::size_t maskStride = BitmapRowStride(w, 1);
    const std::size_t paletteAt = headerSize;
    const std::size_t colorsAt = paletteAt + paletteCount * 4;
    const std::size_t maskAt = colorsAt + colorStride * h;
    // 32-bit images carry their transparency in alpha; their mask may be cut.
    const bool hasMask = maskAt + maskStride * h <= image.size();
    if (maskAt > image.size() || (!hasMask && bits != 32))
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
                const auto bitOffset = static_cast<std::size_t>(x) * bits;
                const auto index = (colors[bitOffset / 8] >> (8 - bits - bitOffset % 8)) & ((1u << bits) - 1);
                if (index < paletteCount) {
                    const auto* p = image.data() + paletteAt + index * 4;
                    b = p[0];
                    g = p[1];
                    r = p[2];
                }
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
