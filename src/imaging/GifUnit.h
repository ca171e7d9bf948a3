#pragma once
// The program's GIF reader: a whole GIF87a/GIF89a file read from memory,
// every image decoded, and the first image handed out as an 8-bit bitmap.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "imaging/Bitmap.h"
#include "imaging/ColorTbl.h"
#include "imaging/DynArrB.h"
#include "imaging/GifDecl.h"
#include "imaging/MoreUtil.h"
#include "platform/FileSystem.h"
#include "platform/UserDialogs.h"

namespace lv::imaging {

struct TGifHeader {
    char Signature[3] = {};
    char Version[3] = {};
};

struct TLogicalScreenDescriptor {
    std::uint16_t ScreenWidth = 0;
    std::uint16_t ScreenHeight = 0;
    std::uint8_t PackedFields = 0;
    std::uint8_t BackgroundColorIndex = 0;
    std::uint8_t AspectRatio = 0;
};

struct TImageDescriptor {
    std::uint16_t Left = 0;
    std::uint16_t Top = 0;
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    std::uint8_t PackedFields = 0;
};

// Every image of a file is decoded and kept: the most pixels one file may
// hold in all (a long animation of 800 x 600 frames has room for 500).
constexpr std::uint64_t MaxGifFilePixels = std::uint64_t{1} << 28;

// Resolution written into GIF bitmaps, in pixels per metre.
constexpr std::uint32_t GifBitmapPixelsPerMetre = 143;

class TGifFile;

class TGifSubImage {
public:
    // colorCount must be a power of two from 2 to 256.
    TGifSubImage(TGifFile& owner, std::int32_t colorCount);

    // Reads descriptor, colour table and data sub-blocks, then decodes.
    // False (nothing decoded) when the stream ends before the image's data.
    bool ReadAndDecode(TMemoryReader& stream);
    void Decode();

    const TColorTable& ColorTableInUse() const;
    std::uint16_t Width() const { return ImageDescriptor.Width; }
    std::uint16_t Height() const { return ImageDescriptor.Height; }
    // 1-based column and row; 0 for pixels the data never reached.
    std::uint8_t Pixel(std::size_t column, std::size_t row) const;

    TGifFile& Owner;
    TImageDescriptor ImageDescriptor;
    bool LocalColorTablePresent = false;
    bool Interlaced = false;
    TColorTable LocalColorTable;
    std::uint8_t CodeSize = 0;
    TByteBuffer DataBlocks;
    std::unique_ptr<TExtensionList> Extensions;
    std::unique_ptr<TByteArray2D> Pixels;

private:
    // False when the stream ends inside the descriptor or the local table.
    bool readDescriptor(TMemoryReader& stream);
    // False when the stream ends before the 0 length that closes the data.
    bool readDataBlocks(TMemoryReader& stream);
};

class TGifFile {
public:
    explicit TGifFile(Ui& ui);
    TGifFile(const TGifFile&) = delete;
    TGifFile& operator=(const TGifFile&) = delete;

    // Throws Error("Cannot open file <path>") when the file cannot be read.
    void LoadFromFile(FileSystem& files, const std::string& path);
    // The object keeps the whole file in memory: the images' data blocks
    // refer to it.
    void LoadFromStream(std::span<const std::uint8_t> stream);
    void LoadFromStream(std::vector<std::uint8_t>&& stream);

    std::size_t ImageCount() const { return images_.size(); }
    // 1-based; the list index error beyond the count.
    const TGifSubImage& GetImage(std::size_t number) const;

    // Image 1 as an 8-bit bitmap file (the stream a bitmap is loaded from).
    std::vector<std::uint8_t> FirstImageBitmapFile() const;
    std::unique_ptr<TBitmap> FirstImageBitmap() const;

    Ui& UserInterface() const { return ui_; }
    // Counts an image's pixels against the file's budget. Throws
    // Error("Picture is too large (W x H)") for an image too large by
    // itself, and Error("Picture is too large (N pixels in its K images,
    // more than MaxGifFilePixels)") when the images together pass it.
    void ClaimPixels(std::uint32_t width, std::uint32_t height);

    TGifHeader Header;
    TLogicalScreenDescriptor ScreenDescriptor;
    bool GlobalColorTablePresent = false;
    TColorTable GlobalColorTable{0};

private:
    void readHeader(TMemoryReader& stream);
    void readScreenDescriptor(TMemoryReader& stream);
    void readExtensions(TMemoryReader& stream, TExtensionList& list, std::uint8_t& blockByte);

    Ui& ui_;
    std::vector<std::uint8_t> stream_;
    std::vector<std::unique_ptr<TGifSubImage>> images_;
    std::uint64_t claimedPixels_ = 0;
};

// The framework's bitmap that reads GIF files: loading builds the bitmap
// of the file's first image.
class TGifBitmap : public TBitmap {
public:
    explicit TGifBitmap(Ui& ui) : ui_(ui) {}
    void LoadFromStream(std::span<const std::uint8_t> data) override;

private:
    Ui& ui_;
};

} // namespace lv::imaging
