#include "imaging/Bitmap.h"

#include <algorithm>
#include <utility>

#include "imaging/Dib.h"
#include "imaging/MoreUtil.h"

namespace lv::imaging {

std::size_t BitmapRowStride(std::uint32_t width, int bitsPerPixel)
{
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
}

void CheckPictureSize(std::uint64_t width, std::uint64_t height)
{
    if (width * height > MaxPicturePixels)
        throw Error("Picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
}

std::vector<std::uint8_t> CreateBitmapFile(std::uint32_t width, std::uint32_t height, int bitsPerPixel,
                                           std::span<const TColorItem> palette, std::uint32_t pixelsPerMetre)
{
    CheckPictureSize(width, height);
    const std::size_t paletteEntries = bitsPerPixel == 8 ? 256 : 0;
    const std::size_t offset = BitmapFileHeaderSize + BitmapInfoHeaderSize + paletteEntries * 4;
    const std::size_t size = offset + BitmapRowStride(width, bitsPerPixel) * height;

    std::vector<std::uint8_t> file(size);
    auto* p = file.data();
    p[0] = 'B';
    p[1] = 'M';
    WriteLE32(p + 2, static_cast<std::uint32_t>(size));
    WriteLE32(p + 10, static_cast<std::uint32_t>(offset));
    auto* info = p + BitmapFileHeaderSize;
    WriteLE32(info, BitmapInfoHeaderSize);
    WriteLE32(info + 4, width);
    WriteLE32(info + 8, height);
    WriteLE16(info + 12, 1);
    WriteLE16(info + 14, static_cast<std::uint16_t>(bitsPerPixel));
    WriteLE32(info + 24, pixelsPerMetre);
    WriteLE32(info + 28, pixelsPerMetre);
    auto* entry = info + BitmapInfoHeaderSize;
    for (std::size_t i = 0; i < paletteEntries && i < palette.size(); ++i, entry += 4) {
        entry[0] = palette[i].Blue;
        entry[1] = palette[i].Green;
        entry[2] = palette[i].Red;
    }
    return file;
}

std::uint8_t* BitmapRowFromTop(std::vector<std::uint8_t>& file, std::uint32_t y)
{
    const auto offset = ReadLE32(file.data() + 10);
    const auto width = ReadLE32(file.data() + 18);
    const auto height = ReadLE32(file.data() + 22);
    const auto bits = ReadLE16(file.data() + 28);
    return file.data() + offset + BitmapRowStride(width, bits) * (height - 1 - y);
}

BitmapSize ReadBitmapSize(std::span<const std::uint8_t> headers)
{
    // The checks of the bitmap reader that need no more than the headers.
    const char* const InvalidBitmap = "Bitmap image is not valid";
    if (headers.size() < BitmapHeadersSize || headers[0] != 'B' || headers[1] != 'M')
        throw Error(InvalidBitmap);
    const auto* info = headers.data() + BitmapFileHeaderSize;
    const auto width = static_cast<std::int32_t>(ReadLE32(info + 4));
    const auto height = static_cast<std::int32_t>(ReadLE32(info + 8));
    const int bits = ReadLE16(info + 14);
    if (ReadLE32(info) < BitmapInfoHeaderSize || width <= 0 || height == 0 || height == INT32_MIN ||
        ReadLE16(info + 12) != 1 || ReadLE32(info + 16) != 0 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        throw Error(InvalidBitmap);
    return {width, height < 0 ? -height : height};
}

void TBitmap::LoadFromStream(std::span<const std::uint8_t> data)
{
    file_.assign(data.begin(), data.end());
    try {
        parse();
    } catch (...) {
        file_.clear();
        width_ = height_ = bits_ = 0;
        layout_ = {};
        throw;
    }
}

void TBitmap::LoadFromFile(FileSystem& files, const std::string& path)
{
    const auto bytes = files.readFile(path);
    if (!bytes)
        throw Error(formatMessage("Cannot open file %s", path));
    LoadFromStream(*bytes);
}

bool TBitmap::SaveToFile(FileSystem& files, const std::string& path) const
{
    return files.writeFile(path, file_);
}

void TBitmap::Assign(std::vector<std::uint8_t>&& file)
{
    file_ = std::move(file);
    parse();
}

std::vector<std::uint8_t> TBitmap::ReleaseFileBytes()
{
    width_ = height_ = bits_ = 0;
    layout_ = {};
    return std::move(file_);
}

void TBitmap::parse()
{
    const DibLayout dib = readBitmapFile(file_);
    width_ = dib.width;
    height_ = dib.height;
    bits_ = dib.bits;
    layout_ = dib;
}

std::uint32_t TBitmap::PixelColor(std::int32_t x, std::int32_t y) const
{
    return dibPixel(file_, layout_, x, y);
}

} // namespace lv::imaging
