#pragma once
// Device-independent bitmaps kept as whole bitmap files in memory ("BM"
// header, BITMAPINFOHEADER, palette, bottom-up rows padded to 4 bytes): the
// form in which pictures are written and handed to the system.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "imaging/ColorTbl.h"
#include "imaging/Dib.h"
#include "platform/FileSystem.h"

namespace lv::imaging {

// The largest picture the program writes (8192 x 8192 pixels): a bound on
// what a few bytes of a corrupt header can make it allocate.
constexpr std::uint64_t MaxPicturePixels = std::uint64_t{1} << 26;

constexpr std::size_t BitmapFileHeaderSize = 14;
constexpr std::size_t BitmapInfoHeaderSize = 40;

// Bytes of one stored row: whole 32-bit words.
std::size_t BitmapRowStride(std::uint32_t width, int bitsPerPixel);

// Throws Error("Picture is too large (W x H)") beyond MaxPicturePixels.
void CheckPictureSize(std::uint64_t width, std::uint64_t height);

// A complete bitmap file of the size with cleared pixels. 8-bit files carry
// the 256 given palette entries (missing ones black); 24-bit files none.
std::vector<std::uint8_t> CreateBitmapFile(std::uint32_t width, std::uint32_t height, int bitsPerPixel,
                                           std::span<const TColorItem> palette,
                                           std::uint32_t pixelsPerMetre);

// A picture's size as the headers at the start of a bitmap file give it
// (the first BitmapHeadersSize bytes), so that measuring needs no more of
// the file. Headers TBitmap would refuse throw Error("Bitmap image is not valid").
constexpr std::size_t BitmapHeadersSize = BitmapFileHeaderSize + BitmapInfoHeaderSize;
struct BitmapSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};
BitmapSize ReadBitmapSize(std::span<const std::uint8_t> headers);

// Start of the pixels of row y counted from the top, in a file made by
// CreateBitmapFile.
std::uint8_t* BitmapRowFromTop(std::vector<std::uint8_t>& file, std::uint32_t y);

class TBitmap {
public:
    TBitmap() = default;
    virtual ~TBitmap() = default;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    TBitmap(TBitmap&&) = default;
    TBitmap& operator=(TBitmap&&) = default;

    // Takes a bitmap file; throws Error("Bitmap image is not valid") for
    // anything readBitmapFile refuses.
    virtual void LoadFromStream(std::span<const std::uint8_t> data);
    // Throws Error("Cannot open file <path>") when the file cannot be read.
    void LoadFromFile(FileSystem& files, const std::string& path);
    // The file bytes, kept; false when the file could not be written.
    bool SaveToFile(FileSystem& files, const std::string& path) const;

    // Takes over a file made with CreateBitmapFile.
    void Assign(std::vector<std::uint8_t>&& file);

    bool Empty() const { return file_.empty(); }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    int BitsPerPixel() const { return bits_; }
    const std::vector<std::uint8_t>& FileBytes() const { return file_; }
    // Hands the file bytes over (without a copy) and leaves the bitmap empty.
    std::vector<std::uint8_t> ReleaseFileBytes();
    // 0xRRGGBB of the pixel at column x, row y from the top.
    std::uint32_t PixelColor(std::int32_t x, std::int32_t y) const;

private:
    void parse();

    std::vector<std::uint8_t> file_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    int bits_ = 0;
    DibLayout layout_;
};

} // namespace lv::imaging
