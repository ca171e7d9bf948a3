#include "controls/Picture.h"

#include "base/Error.h"

#include <cstring>
#include <string>

namespace lv {

namespace {

std::uint32_t readU32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t readU16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

constexpr std::size_t InfoHeaderSize = 40;
constexpr int MaxSide = 16384;

} // namespace

Picture::Picture(int width, int height, Colour fill)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill)
{
}

Colour Picture::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Picture::setPixel(int x, int y, Colour colour)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = colour;
}

void Picture::setSize(int width, int height)
{
    Picture resized(width, height);
    for (int y = 0; y < resized.height_ && y < height_; ++y)
        for (int x = 0; x < resized.width_ && x < width_; ++x)
            resized.setPixel(x, y, pixel(x, y));
    *this = std::move(resized);
}

Picture pictureFromDib(const std::uint8_t* data, std::size_t size)
{
    const Error bad("The bitmap is not valid");
    if (!data || size < InfoHeaderSize)
        throw bad;
    const std::uint32_t headerSize = readU32(data);
    const auto width = static_cast<std::int32_t>(readU32(data + 4));
    const auto rawHeight = static_cast<std::int32_t>(readU32(data + 8));
    const std::uint16_t bits = readU16(data + 14);
    const std::uint32_t compression = readU32(data + 16);
    std::uint32_t coloursUsed = readU32(data + 32);
    if (headerSize < InfoHeaderSize || headerSize > size || compression != 0)
        throw bad;
    if (bits != 8 && bits != 24 && bits != 32)
        throw Error("Only 8-, 24- and 32-bit bitmaps are supported, not " + std::to_string(bits) + "-bit ones");
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        throw bad;

    std::size_t offset = headerSize;
    std::vector<Colour> table;
    if (bits == 8) {
        if (coloursUsed == 0 || coloursUsed > 256)
            coloursUsed = 256;
        if (size - offset < coloursUsed * 4u)
            throw bad;
        for (std::uint32_t i = 0; i < coloursUsed; ++i, offset += 4)
            table.push_back(rgb(data[offset + 2], data[offset + 1], data[offset]));
    }
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if ((size - offset) / stride < static_cast<std::size_t>(height))
        throw bad;

    Picture picture(width, static_cast<int>(height));
    for (int row = 0; row < picture.height(); ++row) {
        const std::uint8_t* line = data + offset + stride * static_cast<std::size_t>(row);
        const int y = topDown ? row : picture.height() - 1 - row;
        for (int x = 0; x < width; ++x) {
            Colour c = 0;
            if (bits == 8) {
                const std::uint8_t index = line[x];
                c = index < table.size() ? table[index] : 0;
            } else {
                const std::uint8_t* p = line + static_cast<std::size_t>(x) * (bits / 8);
                c = rgb(p[2], p[1], p[0]);
            }
            picture.setPixel(x, y, c);
        }
    }
    return picture;
}

} // namespace lv
