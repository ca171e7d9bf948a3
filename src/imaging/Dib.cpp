#include "imaging/Dib.h"

#include <algorithm>

#include "imaging/Bitmap.h"
#include "imaging/MoreUtil.h"

namespace lv::imaging {

DibLayout readDib(std::span<const std::uint8_t> data, std::size_t infoOffset, const DibRules& rules)
{
    const auto invalid = [&] { return Error(rules.invalidMessage); };
    const std::size_t size = data.size();
    if (infoOffset > size || size - infoOffset < BitmapInfoHeaderSize)
        throw invalid();
    const auto* info = data.data() + infoOffset;
    const std::size_t infoSize = ReadLE32(info);
    const auto width = static_cast<std::int32_t>(ReadLE32(info + 4));
    const auto rawHeight = static_cast<std::int32_t>(ReadLE32(info + 8));
    const auto planes = ReadLE16(info + 12);
    const int bits = ReadLE16(info + 14);
    const auto compression = ReadLE32(info + 16);
    const auto coloursUsed = ReadLE32(info + 32);
    if (infoSize < BitmapInfoHeaderSize || infoSize > size - infoOffset || width <= 0 || rawHeight == 0 ||
        rawHeight == INT32_MIN || planes != 1 || compression != 0)
        throw invalid();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        throw invalid();
    std::uint64_t rows = rawHeight < 0 ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (rules.icon)
        rows /= 2;
    if (rows == 0 || static_cast<std::uint64_t>(width) * rows > MaxPicturePixels)
        throw invalid();

    DibLayout dib;
    dib.width = width;
    dib.height = static_cast<std::int32_t>(rows);
    dib.bottomUp = rules.icon || rawHeight > 0;
    dib.bits = bits;
    dib.infoOffset = infoOffset;
    dib.paletteOffset = infoOffset + infoSize;
    if (bits <= 8) {
        const std::size_t full = std::size_t{1} << bits;
        dib.paletteCount = coloursUsed == 0 ? full : std::min<std::size_t>(coloursUsed, rules.icon ? full : 256);
    }
    if (dib.paletteCount * 4 > size - dib.paletteOffset)
        throw invalid();
    dib.pixelsOffset = rules.pixelsOffset.value_or(dib.paletteOffset + dib.paletteCount * 4);
    dib.stride = BitmapRowStride(static_cast<std::uint32_t>(width), bits);
    if (dib.pixelsOffset > size || (size - dib.pixelsOffset) / dib.stride < rows)
        throw invalid();
    return dib;
}

std::uint32_t dibPixel(std::span<const std::uint8_t> data, const DibLayout& dib, std::int32_t x, std::int32_t y)
{
    if (x < 0 || y < 0 || x >= dib.width || y >= dib.height)
        return 0;
    const auto storedRow = static_cast<std::size_t>(dib.bottomUp ? dib.height - 1 - y : y);
    const auto* row = data.data() + dib.pixelsOffset + dib.stride * storedRow;
    const auto colour = [](const std::uint8_t* bgr) {
        return (std::uint32_t{bgr[2]} << 16) | (std::uint32_t{bgr[1]} << 8) | bgr[0];
    };
    if (dib.bits >= 24)
        return colour(row + static_cast<std::size_t>(x) * static_cast<std::size_t>(dib.bits / 8));
    const auto bitOffset = static_cast<std::size_t>(x) * static_cast<std::size_t>(dib.bits);
    const auto index = (row[bitOffset / 8] >> (8 - dib.bits - bitOffset % 8)) & ((1u << dib.bits) - 1);
    if (index >= dib.paletteCount)
        return 0;
    return colour(data.data() + dib.paletteOffset + index * 4);
}

DibLayout readBitmapFile(std::span<const std::uint8_t> file)
{
    if (file.size() < BitmapFileHeaderSize || file[0] != 'B' || file[1] != 'M')
        throw Error(DibRules{}.invalidMessage);
    return readDib(file, BitmapFileHeaderSize, {.pixelsOffset = ReadLE32(file.data() + 10), .icon = false, .invalidMessage = DibRules{}.invalidMessage});
}

} // namespace lv::imaging
