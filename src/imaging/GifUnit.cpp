#include "imaging/GifUnit.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <type_traits>
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
    // Where the next pixels go. Bytes up to the row's end may be written
    // there beyond the count passed to Skip: they are written over later,
    // or cleared with the row when it stays partial. A row is taken from
    // the matrix uncleared, as it is always written whole or cleared.
    std::uint8_t* Next() { return row_ + column_; }
    // Moves past count (< Room()) pixels written at Next().
    void Skip(std::size_t count) { column_ += count; }

    void Put(const std::uint8_t* bytes, std::size_t count)
    {
        if (width_ == 0)
            throw EIndexOutOfBounds();
        while (count != 0) {
            const auto n = std::min(count, Room());
            std::memcpy(Next(), bytes, n);
            bytes += n;
            count -= n;
            column_ += n;
            if (column_ == width_)
                endRow();
        }
    }

    // The data or the image ended inside a row, or before it: that row
    // was never complete, so it keeps no pixels.
    void DropPartialRow()
    {
        if (rowIndex_ < height_)
            std::fill_n(row_, width_, std::uint8_t{0});
        column_ = 0;
    }

private:
    void startRow()
    {
        row_ = rowIndex_ < height_ ? pixels_.RowForFilling(rowIndex_ + 1) : spare_.Data();
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

// The widest integer the processor shifts in one step: 64 bits on 64-bit
// builds, 32 on the 32-bit one, which then takes 2 or 3 bytes at a time.
using BitWord = std::conditional_t<sizeof(void*) >= 8, std::uint64_t, std::uint32_t>;

// Codes are packed least significant bit first across the sub-blocks. Inside
// a block a whole word is loaded at once; near a block's end byte by byte,
// so the data's end is met exactly where the next code needs a byte.
class CodeReader {
public:
    explicit CodeReader(TByteBuffer& data) : data_(data) {}

    int Read(int width)
    {
        if (count_ < width)
            refill(width);
        const int code = static_cast<int>(bits_ & ((BitWord{1} << width) - 1));
        bits_ >>= width;
        count_ -= width;
        return code;
    }

private:
    void refill(int width)
    {
        constexpr int WordBytes = sizeof(BitWord);
        if (end_ - next_ >= WordBytes) {
            // The bits above count_ already hold the bytes from next_ on, or
            // nothing, so or-ing the same bytes in again is harmless.
            bits_ |= loadWord(next_) << count_;
            const int bytes = (WordBytes * 8 - 1 - count_) >> 3;
            next_ += bytes;
            count_ += bytes * 8;
            return;
        }
        bits_ &= (BitWord{1} << count_) - 1;
        while (count_ < width) {
            if (next_ == end_) {
                const auto block = data_.TakeRestOfBlock();
                next_ = block.data();
                end_ = next_ + block.size();
            }
            bits_ |= BitWord{*next_++} << count_;
            count_ += 8;
        }
    }

    static BitWord loadWord(const std::uint8_t* bytes)
    {
        BitWord word = 0;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(&word, bytes, sizeof word);
        } else {
            for (std::size_t i = 0; i < sizeof word; ++i)
                word |= BitWord{bytes[i]} << (8 * i);
        }
        return word;
    }

    TByteBuffer& data_;
    const std::uint8_t* next_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    BitWord bits_ = 0;
    int count_ = 0;
};

// The LZW decoder of one image. A string is kept as its last 1 to 8 bytes
// and the code of the rest, whose length is a multiple of 8, so a string is
// written 8 bytes at a time from its end instead of a byte per code.
class LzwDecoder {
public:
    LzwDecoder(TByteBuffer& data, int codeSize, RowWriter& output)
        : data_(data), output_(output), firstWidth_(codeSize + 1), clearCode_(1 << codeSize),
          endCode_(clearCode_ + 1)
    {
        for (int code = 0; code < clearCode_; ++code)
            table_.last[code][0] = static_cast<std::uint8_t>(code);
    }

    // Decodes up to the end code; the list index error when the data ends
    // before it. The decoder's state lives in locals, which the compiler
    // keeps in registers across the byte stores into the rows and the table.
    void Run()
    {
        CodeReader reader(data_);
        // The state of a clear code, so that data which does not begin with
        // one still decodes from a defined table.
        int width = firstWidth_;
        int nextFree = endCode_ + 1;
        bool expectFirst = true;
        int oldCode = 0;
        std::uint8_t oldFirst = 0;
        int code = reader.Read(width);
        while (code != endCode_) {
            if (code == clearCode_ || expectFirst) {
                // The first code of the data or after a clear: one pixel.
                if (code == clearCode_) {
                    width = firstWidth_;
                    nextFree = endCode_ + 1;
                    do
                        code = reader.Read(width);
                    while (code == clearCode_);
                    if (code == endCode_)
                        throw EGifException("Bad code");
                }
                expectFirst = false;
                oldCode = code < nextFree ? code : 0;
                oldFirst = static_cast<std::uint8_t>(oldCode);
                const auto pixel = oldFirst;
                output_.Put(&pixel, 1);
                code = reader.Read(width);
                continue;
            }
            if (code < nextFree) {
                const auto first = writeString(code);
                addEntry(nextFree, oldCode, first);
                oldFirst = first;
            } else if (code == nextFree) {
                // The code being defined right now: the previous string and
                // its own first byte.
                addEntry(nextFree, oldCode, oldFirst);
                writeString(code);
            } else {
                throw EGifException("Bad code");
            }
            oldCode = code;
            if (++nextFree == 1 << width) {
                if (width == MaxCodeWidth) {
                    // A full table takes a clear code next.
                    code = reader.Read(width);
                    if (code != clearCode_)
                        throw EGifException("Code size overflow");
                    continue;
                }
                ++width;
            }
            code = reader.Read(width);
        }
    }

private:
    struct Table {
        std::uint8_t last[TableSize][8];  // the string's last (lengthLess1 % 8) + 1 bytes
        std::uint16_t rest[TableSize];    // the code of the bytes before them
        std::uint16_t lengthLess1[TableSize];
    };

    // Only called below the full table: a full table takes a clear code
    // next (Run), which starts the table again.
    void addEntry(int entry, int prefixCode, std::uint8_t byte)
    {
        Table& t = table_;
        const unsigned lengthLess1 = t.lengthLess1[prefixCode] + 1u;
        t.lengthLess1[entry] = static_cast<std::uint16_t>(lengthLess1);
        if ((lengthLess1 & 7) != 0) {
            t.rest[entry] = t.rest[prefixCode];
            std::memcpy(t.last[entry], t.last[prefixCode], 8);
            t.last[entry][lengthLess1 & 7] = byte;
        } else {
            t.rest[entry] = static_cast<std::uint16_t>(prefixCode);
            t.last[entry][0] = byte;
        }
    }

    // Writes the string of code (below nextFree) and gives its first byte:
    // in place where its rounded-up length fits the row, otherwise through
    // a scratch copy that may cross row ends.
    std::uint8_t writeString(int code)
    {
        const std::size_t lengthLess1 = table_.lengthLess1[code];
        if ((lengthLess1 | 7) < output_.Room()) {
            const auto first = copyString(output_.Next(), code, lengthLess1);
            output_.Skip(lengthLess1 + 1);
            return first;
        }
        const auto first = copyString(scratch_.data(), code, lengthLess1);
        output_.Put(scratch_.data(), lengthLess1 + 1);
        return first;
    }

    // Writes up to 7 bytes beyond the string's end; gives the first byte
    // from the register it went through rather than reading it back.
    std::uint8_t copyString(std::uint8_t* start, int code, std::size_t lengthLess1) const
    {
        const Table& t = table_;
        std::uint8_t* at = start + (lengthLess1 & ~std::size_t{7});
        for (;;) {
            std::uint8_t chunk[8];
            std::memcpy(chunk, t.last[code], 8);
            std::memcpy(at, chunk, 8);
            if (at == start)
                return chunk[0];
            at -= 8;
            code = t.rest[code];
        }
    }

    TByteBuffer& data_;
    RowWriter& output_;
    const int firstWidth_;
    const int clearCode_;
    const int endCode_;
    Table table_{};
    std::array<std::uint8_t, TableSize + 8> scratch_{};
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
    if (!readDescriptor(stream))
        return false;
    Owner.ClaimPixels(ImageDescriptor.Width, ImageDescriptor.Height);
    Pixels = std::make_unique<TByteArray2D>(ImageDescriptor.Height, ImageDescriptor.Width);
    if (!stream.ReadByte(CodeSize))
        return false;
    // A file that ends before any of the image's data arrived is cut as
    // one that ends before its code size: the images before it stay.
    if (!readDataBlocks(stream) && DataBlocks.BlockCount() == 0)
        return false;
    Decode();
    return true;
}

bool TGifSubImage::readDescriptor(TMemoryReader& stream)
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
    if (!LocalColorTablePresent)
        return true;
    const auto bytes = static_cast<std::size_t>(LocalColorTable.Count) * 3;
    return stream.Read(LocalColorTable.Entries.data(), bytes) == bytes;
}

bool TGifSubImage::readDataBlocks(TMemoryReader& stream)
{
    std::uint8_t length = 0;
    if (!stream.ReadByte(length))
        return false;
    while (length != 0) {
        if (stream.AtEnd())
            return false;
        const auto block = stream.Take(length);
        DataBlocks.AddBlock(block);
        if (block.size() < length || !stream.ReadByte(length))
            return false;
    }
    return true;
}

void TGifSubImage::Decode()
{
    if (CodeSize < 2 || CodeSize > 9)
        throw EGifException("Bad code Size");
    DataBlocks.Rewind();
    if (!Pixels)
        Pixels = std::make_unique<TByteArray2D>(ImageDescriptor.Height, ImageDescriptor.Width);
    // Memory in one piece for the rows the data will likely fill.
    if (DataBlocks.TotalSize() < SIZE_MAX / ReservedPixelsPerDataByte)
        Pixels->Reserve(DataBlocks.TotalSize() * ReservedPixelsPerDataByte);
    RowWriter output(*Pixels, Interlaced, Owner.UserInterface());
    LzwDecoder decoder(DataBlocks, CodeSize, output);
    try {
        decoder.Run();
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
        throw Error("Picture is too large (" + std::to_string(claimedPixels_ + pixels) + " pixels in its " +
                    std::to_string(images_.size() + 1) + " images, more than " + std::to_string(MaxGifFilePixels) +
                    ")");
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
    readHeader(stream);
    readScreenDescriptor(stream);

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

void TGifFile::readHeader(TMemoryReader& stream)
{
    std::uint8_t header[6] = {};
    stream.Read(header, sizeof header);
    std::memcpy(Header.Signature, header, 3);
    std::memcpy(Header.Version, header + 3, 3);
    const std::string version(Header.Version, 3);
    if (version != "87a" && version != "89a" && version != "87A" && version != "89A")
        throw EGifException("Gif Version must be 87a or 89a");
}

void TGifFile::readScreenDescriptor(TMemoryReader& stream)
{
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
