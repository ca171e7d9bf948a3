#include "imaging/GifUnit.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace lv::imaging {

namespace {

constexpr std::uint8_t ExtensionIntroducer = 0x21; // "!"
constexpr std::uint8_t ImageSeparator = 0x2C;      // ","
constexpr std::uint8_t Trailer = 0x3B;             // ";"

constexpr int MaxCodeWidth = 12;
constexpr int TableSize = 1 << MaxCodeWidth;

bool IsColorCount(std::int32_t count)
{
    for (std::int32_t n = 2; n <= 256; n *= 2)
        if (count == n)
            return true;
    return false;
}

// Reads sub-blocks as strings until a 0 length byte or the end of the data;
// false at the end of the data.
bool ReadSubBlockStrings(TMemoryReader& stream, std::vector<std::string>& strings)
{
    std::uint8_t length = 0;
    if (!stream.ReadByte(length))
        return false;
    while (length != 0) {
        const auto block = stream.Take(length);
        strings.emplace_back(block.begin(), block.end());
        if (!stream.ReadByte(length))
            return false;
    }
    return true;
}

// Where decoded pixels go: straight into the matrix row by row, following
// the row order of plain or interlaced images. A row beyond the image is
// collected aside and fails when it is complete, so a partial extra row is
// dropped.
class RowWriter {
public:
    RowWriter(TByteArray2D& pixels, bool interlaced, Ui& ui)
        : pixels_(pixels), width_(pixels.RowLength()), height_(pixels.Rows()), interlaced_(interlaced), ui_(ui),
          spare_(pixels.RowLength())
    {
        startRow();
    }

    std::size_t Room() const { return width_ - column_; }
    // Where the next count (<= Room()) pixels go; Advance(count) afterwards.
    std::uint8_t* Next() { return row_ + column_; }
    void Advance(std::size_t count)
    {
        column_ += count;
        if (column_ == width_)
            endRow();
    }

    void Put(const std::uint8_t* bytes, std::size_t count)
    {
        if (width_ == 0)
            throw EIndexOutOfBounds();
        while (count != 0) {
            const auto n = std::min(count, Room());
            std::memcpy(Next(), bytes, n);
            bytes += n;
            count -= n;
            Advance(n);
        }
    }

    // The data or the image ended inside a row: that row was never
    // complete, so it keeps no pixels.
    void DropPartialRow()
    {
        std::fill_n(row_, column_, std::uint8_t{0});
        column_ = 0;
    }

private:
    void startRow()
    {
        row_ = rowIndex_ < height_ ? pixels_.RowForWriting(rowIndex_ + 1) : spare_.Data();
    }

    void endRow()
    {
        ui_.processMessages();
        if (rowIndex_ >= height_)
            throw EIndexOutOfBounds();
        column_ = 0;
        if (!interlaced_) {
            ++rowIndex_;
        } else {
            static constexpr std::size_t Start[4] = {0, 4, 2, 1};
            static constexpr std::size_t Step[4] = {8, 8, 4, 2};
            rowIndex_ += Step[pass_];
            while (rowIndex_ >= height_ && pass_ < 4) {
                ++pass_;
                rowIndex_ = pass_ < 4 ? Start[pass_] : height_;
            }
        }
        startRow();
    }

    TByteArray2D& pixels_;
    std::size_t width_;
    std::size_t height_;
    bool interlaced_;
    Ui& ui_;
    TBigByteArray spare_;
    std::uint8_t* row_ = nullptr;
    std::size_t column_ = 0;
    std::size_t rowIndex_ = 0;
    std::size_t pass_ = 0;
};

// Pixels reserved in one piece per byte of LZW data: what ordinary
// pictures need at most; rarer, better compressed ones grow as they go.
constexpr std::size_t ReservedPixelsPerDataByte = 64;

} // namespace

TGifSubImage::TGifSubImage(TGifFile& owner, std::int32_t colorCount)
    : Owner(owner), LocalColorTable(owner.GlobalColorTable.Count)
{
    if (!IsColorCount(colorCount))
        throw EGifException("Number of colors (" + std::to_string(colorCount) +
                            ") wrong; must be a power of 2");
}

bool TGifSubImage::ReadAndDecode(TMemoryReader& stream)
{
    std::uint8_t descriptor[9];
    if (stream.Read(descriptor, sizeof descriptor) != sizeof descriptor)
        return false;
    ImageDescriptor.Left = ReadLE16(descriptor);
    ImageDescriptor.Top = ReadLE16(descriptor + 2);
    ImageDescriptor.Width = ReadLE16(descriptor + 4);
    ImageDescriptor.Height = ReadLE16(descriptor + 6);
    ImageDescriptor.PackedFields = descriptor[8];
    LocalColorTablePresent = (descriptor[8] & 0x80) != 0;
    Interlaced = (descriptor[8] & 0x40) != 0;
    LocalColorTable.Count = 1 << ((descriptor[8] & 7) + 1);
    if (LocalColorTablePresent) {
        const auto bytes = static_cast<std::size_t>(LocalColorTable.Count) * 3;
        if (stream.Read(LocalColorTable.Entries.data(), bytes) != bytes)
            return false;
    }

    Owner.ClaimPixels(ImageDescriptor.Width, ImageDescriptor.Height);
    Pixels = std::make_unique<TByteArray2D>(ImageDescriptor.Height, ImageDescriptor.Width);

    if (!stream.ReadByte(CodeSize))
        return false;
    std::uint8_t length = 0;
    bool cut = !stream.ReadByte(length);
    while (!cut && length != 0) {
        if (stream.AtEnd()) {
            cut = true;
            break;
        }
        const auto block = stream.Take(length);
        DataBlocks.AddBlock(block);
        cut = block.size() < length || !stream.ReadByte(length);
    }
    // A file that ends before any of the image's data arrived is cut as
    // one that ends before its code size: the images before it stay.
    if (cut && DataBlocks.BlockCount() == 0)
        return false;
    Decode();
    return true;
}

void TGifSubImage::Decode()
{
    if (CodeSize < 2 || CodeSize > 9)
        throw EGifException("Bad code Size");
    const int clearCode = 1 << CodeSize;
    const int endCode = clearCode + 1;
    DataBlocks.Rewind();
    if (!Pixels)
        Pixels = std::make_unique<TByteArray2D>(ImageDescriptor.Height, ImageDescriptor.Width);
    // Memory in one piece for the rows the data will likely fill.
    if (DataBlocks.TotalSize() < SIZE_MAX / ReservedPixelsPerDataByte)
        Pixels->Reserve(DataBlocks.TotalSize() * ReservedPixelsPerDataByte);
    RowWriter output(*Pixels, Interlaced, Owner.UserInterface());

    // The string table: each code's prefix code and last byte, plus its
    // length and first byte so that a string is written straight into its
    // place, last byte first.
    std::array<std::uint16_t, TableSize> prefix{};
    std::array<std::uint8_t, TableSize> suffix{};
    std::array<std::uint16_t, TableSize> length{};
    std::array<std::uint8_t, TableSize> first{};
    std::array<std::uint8_t, TableSize> stack{};
    for (int code = 0; code < clearCode; ++code) {
        suffix[code] = static_cast<std::uint8_t>(code);
        first[code] = static_cast<std::uint8_t>(code);
        length[code] = 1;
    }

    // Codes are packed least significant bit first across the sub-blocks.
    std::uint32_t bits = 0;
    int bitCount = 0;
    int width = CodeSize + 1;
    const auto readCode = [&]() -> int {
        while (bitCount < width) {
            bits |= static_cast<std::uint32_t>(DataBlocks.NextByte()) << bitCount;
            bitCount += 8;
        }
        const int code = static_cast<int>(bits & ((1u << width) - 1));
        bits >>= width;
        bitCount -= width;
        return code;
    };

    // The state of a clear code, so that data which does not begin with
    // one still decodes from a defined table.
    int nextFree = endCode + 1;
    int widthLimit = 1 << width;
    bool tableFull = false;
    bool expectFirst = true;
    int oldCode = 0;

    const auto addEntry = [&](int prefixCode, std::uint8_t byte) {
        if (nextFree <= widthLimit && nextFree < TableSize) {
            prefix[nextFree] = static_cast<std::uint16_t>(prefixCode);
            suffix[nextFree] = byte;
            first[nextFree] = first[prefixCode];
            length[nextFree] = static_cast<std::uint16_t>(length[prefixCode] + 1);
            ++nextFree;
            if (nextFree >= widthLimit) {
                if (width == MaxCodeWidth) {
                    tableFull = true;
                } else {
                    widthLimit *= 2;
                    ++width;
                }
            }
        }
    };
    // Writes the string of code (below nextFree) to the output.
    const auto writeString = [&](int code) {
        const std::size_t n = length[code];
        if (n <= output.Room()) {
            std::uint8_t* at = output.Next() + n;
            while (code >= clearCode) {
                *--at = suffix[code];
                code = prefix[code];
            }
            *--at = static_cast<std::uint8_t>(code);
            output.Advance(n);
            return;
        }
        // across a row end: collect it first
        std::size_t top = TableSize;
        while (code >= clearCode && top > 1) {
            stack[--top] = suffix[code];
            code = prefix[code];
        }
        stack[--top] = static_cast<std::uint8_t>(code);
        output.Put(stack.data() + top, TableSize - top);
    };

    try {
        int code = readCode();
        while (code != endCode) {
            if (code == clearCode || expectFirst) {
                if (code == clearCode) {
                    width = CodeSize + 1;
                    nextFree = endCode + 1;
                    widthLimit = 1 << width;
                    do
                        code = readCode();
                    while (code == clearCode);
                    if (code == endCode)
                        throw EGifException("Bad code");
                }
                expectFirst = false;
                if (code >= nextFree)
                    code = 0;
                const auto pixel = static_cast<std::uint8_t>(code);
                output.Put(&pixel, 1);
                oldCode = code;
            } else if (code < nextFree) {
                writeString(code);
                addEntry(oldCode, first[code]);
                oldCode = code;
            } else if (code == nextFree) {
                const auto byte = first[oldCode];
                if (nextFree <= widthLimit && nextFree < TableSize) {
                    addEntry(oldCode, byte);
                    writeString(code);
                } else {
                    writeString(oldCode);
                    output.Put(&byte, 1);
                }
                oldCode = code;
            } else {
                throw EGifException("Bad code");
            }
            code = readCode();
            if (tableFull) {
                if (code != clearCode)
                    throw EGifException("Code size overflow");
                tableFull = false;
            }
        }
        output.DropPartialRow();
    } catch (const EListError&) {
        // The data ran out before the end code: keep the rows decoded so far.
        output.DropPartialRow();
    }
}

const TColorTable& TGifSubImage::ColorTableInUse() const
{
    return LocalColorTablePresent ? LocalColorTable : Owner.GlobalColorTable;
}

std::uint8_t TGifSubImage::Pixel(std::size_t column, std::size_t row) const
{
    if (!Pixels || column < 1 || column > Pixels->RowLength())
        throw EIndexOutOfBounds();
    const auto stored = Pixels->RowView(row);
    return stored.empty() ? 0 : stored[column - 1];
}

TGifFile::TGifFile(Ui& ui) : ui_(ui) {}

void TGifFile::ClaimPixels(std::uint32_t width, std::uint32_t height)
{
    CheckPictureSize(width, height);
    const auto pixels = std::uint64_t{width} * height;
    if (claimedPixels_ + pixels > MaxGifFilePixels)
        throw Error("Picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
    claimedPixels_ += pixels;
}

void TGifFile::LoadFromFile(FileSystem& files, const std::string& path)
{
    auto bytes = files.readFile(path);
    if (!bytes)
        throw Error(formatMessage("Cannot open file %s", path));
    LoadFromStream(std::move(*bytes));
}

void TGifFile::LoadFromStream(std::span<const std::uint8_t> data)
{
    LoadFromStream(std::vector<std::uint8_t>(data.begin(), data.end()));
}

void TGifFile::LoadFromStream(std::vector<std::uint8_t>&& data)
{
    HourglassCursor hourglass(ui_);
    stream_ = std::move(data);
    TMemoryReader stream(stream_);
    stream.Seek(0);

    std::uint8_t header[6] = {};
    stream.Read(header, sizeof header);
    std::memcpy(Header.Signature, header, 3);
    std::memcpy(Header.Version, header + 3, 3);
    const std::string version(Header.Version, 3);
    if (version != "87a" && version != "89a" && version != "87A" && version != "89A")
        throw EGifException("Gif Version must be 87a or 89a");

    std::uint8_t screen[7] = {};
    stream.Read(screen, sizeof screen);
    ScreenDescriptor.ScreenWidth = ReadLE16(screen);
    ScreenDescriptor.ScreenHeight = ReadLE16(screen + 2);
    ScreenDescriptor.PackedFields = screen[4];
    ScreenDescriptor.BackgroundColorIndex = screen[5];
    ScreenDescriptor.AspectRatio = screen[6];
    GlobalColorTablePresent = (screen[4] & 0x80) != 0;
    GlobalColorTable.Count = 1 << ((screen[4] & 7) + 1);
    if (GlobalColorTablePresent)
        stream.Read(GlobalColorTable.Entries.data(), static_cast<std::size_t>(GlobalColorTable.Count) * 3);

    std::uint8_t blockByte = Trailer;
    stream.ReadByte(blockByte);
    std::size_t lastPosition = 0;
    while (blockByte != Trailer) {
        if (stream.AtEnd())
            break;
        if (stream.Position() == lastPosition)
            break;
        lastPosition = stream.Position();

        auto extensions = std::make_unique<TExtensionList>();
        readExtensions(stream, *extensions, blockByte);
        if (blockByte != ImageSeparator)
            continue;

        auto image = std::make_unique<TGifSubImage>(*this, GlobalColorTable.Count);
        image->Extensions = std::move(extensions);
        if (!image->ReadAndDecode(stream))
            break; // cut off before the image's data: the images before it stay
        images_.push_back(std::move(image));
        if (!stream.ReadByte(blockByte))
            blockByte = Trailer;
    }
}

void TGifFile::readExtensions(TMemoryReader& stream, TExtensionList& list, std::uint8_t& blockByte)
{
    while (blockByte == ExtensionIntroducer) {
        auto& extension = list.Add();
        std::uint8_t label = 0;
        if (!stream.ReadByte(label)) {
            blockByte = 0;
            return;
        }
        extension.Kind = TExtension::KindOfLabel(label);
        const auto fixed = stream.Take(TExtension::FixedSize(extension.Kind));
        extension.Fixed.assign(fixed.begin(), fixed.end());
        if (TExtension::HasSubBlocks(extension.Kind) && !ReadSubBlockStrings(stream, extension.Strings)) {
            blockByte = 0;
            return;
        }
        if (!stream.ReadByte(blockByte)) {
            blockByte = 0;
            return;
        }
    }
}

const TGifSubImage& TGifFile::GetImage(std::size_t number) const
{
    if (number < 1 || number > images_.size())
        throw EListError(static_cast<long long>(number) - 1);
    return *images_[number - 1];
}

std::vector<std::uint8_t> TGifFile::FirstImageBitmapFile() const
{
    const auto& image = GetImage(1);
    const auto width = image.Width();
    const auto height = image.Height();
    auto file = CreateBitmapFile(width, height, 8, image.ColorTableInUse().Entries, GifBitmapPixelsPerMetre);
    for (std::uint32_t y = 0; y < height; ++y) {
        const auto stored = image.Pixels->RowView(y + 1);
        if (!stored.empty())
            std::memcpy(BitmapRowFromTop(file, y), stored.data(), width);
    }
    return file;
}

std::unique_ptr<TBitmap> TGifFile::FirstImageBitmap() const
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->Assign(FirstImageBitmapFile());
    return bitmap;
}

void TGifBitmap::LoadFromStream(std::span<const std::uint8_t> data)
{
    TGifFile gif(ui_);
    gif.LoadFromStream(data);
    TBitmap::LoadFromStream(gif.FirstImageBitmapFile());
}

} // namespace lv::imaging
