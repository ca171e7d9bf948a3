#pragma once
// Builders for GIF files in tests: an LZW encoder that mirrors the decoder's
// code widths, and a file writer with tables, extensions and interlacing.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/UserDialogs.h"

namespace lv::imaging::test {

using Bytes = std::vector<std::uint8_t>;

// Counts what the decoder asks of the user interface.
class RecordingUi : public Ui {
public:
    void setHourglass(bool on) override
    {
        hourglass = on;
        ++hourglassChanges;
    }
    void processMessages() override { ++messagePumps; }
    void paintWindows() override {}

    bool hourglass = false;
    int hourglassChanges = 0;
    int messagePumps = 0;
};

// Packs codes of given widths least significant bit first.
class CodeWriter {
public:
    void Put(int code, int width)
    {
        bits_ |= static_cast<std::uint64_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(bits_));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    Bytes Finish()
    {
        if (count_ > 0)
            bytes_.push_back(static_cast<std::uint8_t>(bits_));
        count_ = 0;
        bits_ = 0;
        return bytes_;
    }

private:
    Bytes bytes_;
    std::uint64_t bits_ = 0;
    int count_ = 0;
};

enum class FullTable {
    Clear,          // clear as soon as the encoder's table is full (common encoders)
    ClearAfterFull, // let the decoder's table reach 4096 entries, then clear
    NeverClear,     // keep sending codes with a full table
};

struct LzwOptions {
    bool leadingClear = true;
    bool endCode = true;
    FullTable fullTable = FullTable::Clear;
    std::size_t clearBefore = 0; // a clear code before this pixel (0: none)
};

// LZW data of the pixels; the code widths follow the decoder's table exactly.
inline Bytes LzwEncode(const Bytes& pixels, int codeSize, LzwOptions options = {})
{
    const int clear = 1 << codeSize;
    const int end = clear + 1;
    CodeWriter out;
    std::map<std::pair<int, int>, int> table;
    int next = end + 1;        // the encoder's next entry
    int decoderNext = end + 1; // the decoder's, one code behind
    int width = codeSize + 1;
    bool firstAfterClear = true;
    bool encoderFull = false;

    const auto reset = [&] {
        table.clear();
        next = end + 1;
        decoderNext = end + 1;
        width = codeSize + 1;
        firstAfterClear = true;
        encoderFull = false;
    };
    const auto emit = [&](int code) {
        out.Put(code, width);
        if (!firstAfterClear && decoderNext < 4096) {
            ++decoderNext;
            if (decoderNext >= (1 << width) && width < 12)
                ++width;
        }
        firstAfterClear = false;
    };
    const auto emitClear = [&] {
        out.Put(clear, width);
        reset();
    };

    if (options.leadingClear)
        out.Put(clear, width);
    if (!pixels.empty()) {
        int current = pixels[0];
        for (std::size_t i = 1; i < pixels.size(); ++i) {
            const int pixel = pixels[i];
            if (i == options.clearBefore) {
                emit(current);
                emitClear();
                current = pixel;
                continue;
            }
            const auto found = table.find({current, pixel});
            if (found != table.end()) {
                current = found->second;
                continue;
            }
            emit(current);
            if (next < 4096) {
                table[{current, pixel}] = next++;
            } else {
                encoderFull = true;
            }
            if (encoderFull || next == 4096) {
                if (options.fullTable == FullTable::Clear && next == 4096) {
                    emitClear();
                } else if (options.fullTable == FullTable::ClearAfterFull && decoderNext == 4096) {
                    emitClear();
                }
            }
            current = pixel;
        }
        emit(current);
    }
    if (options.endCode)
        out.Put(end, width);
    return out.Finish();
}

// Data sub-blocks of up to 255 bytes, ending with a 0 length unless open.
inline Bytes SubBlocks(const Bytes& data, bool terminate = true, std::size_t blockSize = 255)
{
    Bytes out;
    for (std::size_t i = 0; i < data.size(); i += blockSize) {
        const auto n = std::min(blockSize, data.size() - i);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<long>(i), data.begin() + static_cast<long>(i + n));
    }
    if (terminate)
        out.push_back(0);
    return out;
}

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

inline int TableBits(std::size_t entries)
{
    int n = 0;
    while ((std::size_t{2} << n) < entries)
        ++n;
    return n; // size 2^(n+1)
}

struct GifImage {
    int width = 1;
    int height = 1;
    int left = 0;
    int top = 0;
    Bytes pixels;            // row by row, top first
    std::vector<Rgb> local;  // a local table when not empty
    bool interlaced = false;
    int codeSize = 0;        // 0: from the table size (at least 2)
    LzwOptions lzw;
    Bytes before;            // raw bytes (extensions) before the separator
    bool rawData = false;    // data already holds the sub-blocks
    Bytes data;
};

// Row order of an interlaced image in the four passes.
inline std::vector<int> InterlacedRows(int height)
{
    std::vector<int> rows;
    const int start[4] = {0, 4, 2, 1};
    const int step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int r = start[pass]; r < height; r += step[pass])
            rows.push_back(r);
    return rows;
}

inline std::vector<Rgb> BlackAndWhite()
{
    std::vector<Rgb> table(2);
    table[1] = {255, 255, 255};
    return table;
}

struct GifLayout {
    std::string version = "89a";
    std::string signature = "GIF";
    std::vector<Rgb> global = BlackAndWhite();
    bool globalPresent = true;
    int globalBits = -1; // the size bits when no table is present
    int screenWidth = 0;
    int screenHeight = 0;
    std::vector<GifImage> images;
    Bytes beforeTrailer;
    bool trailer = true;
};

inline void PutLE16(Bytes& out, int v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void PutTable(Bytes& out, const std::vector<Rgb>& table, int bits)
{
    const std::size_t size = std::size_t{2} << bits;
    for (std::size_t i = 0; i < size; ++i) {
        const Rgb c = i < table.size() ? table[i] : Rgb{0, 0, 0};
        out.insert(out.end(), {c.r, c.g, c.b});
    }
}

inline Bytes BuildGif(const GifLayout& layout)
{
    Bytes out(layout.signature.begin(), layout.signature.end());
    out.insert(out.end(), layout.version.begin(), layout.version.end());
    const int globalBits = layout.globalBits >= 0 ? layout.globalBits : TableBits(layout.global.size());
    PutLE16(out, layout.screenWidth);
    PutLE16(out, layout.screenHeight);
    out.push_back(static_cast<std::uint8_t>((layout.globalPresent ? 0x80 : 0) | 0x70 | globalBits));
    out.push_back(0);
    out.push_back(0);
    if (layout.globalPresent)
        PutTable(out, layout.global, globalBits);
    for (const auto& image : layout.images) {
        out.insert(out.end(), image.before.begin(), image.before.end());
        out.push_back(0x2C);
        PutLE16(out, image.left);
        PutLE16(out, image.top);
        PutLE16(out, image.width);
        PutLE16(out, image.height);
        const int localBits = image.local.empty() ? 0 : TableBits(image.local.size());
        out.push_back(static_cast<std::uint8_t>((image.local.empty() ? 0 : 0x80) | (image.interlaced ? 0x40 : 0) |
                                                localBits));
        if (!image.local.empty())
            PutTable(out, image.local, localBits);
        const int tableBits = image.local.empty() ? globalBits : localBits;
        const int codeSize = image.codeSize != 0 ? image.codeSize : std::max(2, tableBits + 1);
        out.push_back(static_cast<std::uint8_t>(codeSize));
        if (image.rawData) {
            out.insert(out.end(), image.data.begin(), image.data.end());
            continue;
        }
        Bytes ordered;
        if (image.interlaced) {
            for (int row : InterlacedRows(image.height))
                ordered.insert(ordered.end(), image.pixels.begin() + row * image.width,
                               image.pixels.begin() + (row + 1) * image.width);
        } else {
            ordered = image.pixels;
        }
        const auto blocks = SubBlocks(LzwEncode(ordered, codeSize, image.lzw));
        out.insert(out.end(), blocks.begin(), blocks.end());
    }
    out.insert(out.end(), layout.beforeTrailer.begin(), layout.beforeTrailer.end());
    if (layout.trailer)
        out.push_back(0x3B);
    return out;
}

// An extension block: label, fixed bytes, then the strings as sub-blocks.
inline Bytes Extension(std::uint8_t label, const Bytes& fixed, const std::vector<std::string>& strings)
{
    Bytes out{0x21, label};
    out.insert(out.end(), fixed.begin(), fixed.end());
    if (label != 0xF9) {
        for (const auto& s : strings) {
            out.push_back(static_cast<std::uint8_t>(s.size()));
            out.insert(out.end(), s.begin(), s.end());
        }
        out.push_back(0);
    }
    return out;
}

inline Bytes GraphicControl(int disposal, int delay, int transparent)
{
    return Extension(0xF9,
                     {4, static_cast<std::uint8_t>((disposal << 2) | (transparent >= 0 ? 1 : 0)),
                      static_cast<std::uint8_t>(delay), static_cast<std::uint8_t>(delay >> 8),
                      static_cast<std::uint8_t>(transparent >= 0 ? transparent : 0), 0},
                     {});
}

// Pixels with a pattern that uses every colour of the table.
inline Bytes Pattern(int width, int height, int colors, unsigned seed = 1)
{
    Bytes pixels(static_cast<std::size_t>(width) * height);
    unsigned state = seed;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        state = state * 1103515245u + 12345u;
        // runs as well as noise, so that long table strings occur
        pixels[i] = static_cast<std::uint8_t>(((state >> 16) % 4 == 0 ? (state >> 8) : i / 7) % colors);
    }
    return pixels;
}

} // namespace lv::imaging::test
