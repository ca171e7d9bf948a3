#include "controls/Picture.h"

#include "base/Error.h"
#include "imaging/Dib.h"

#include <span>

namespace lv {

namespace {

const char* const InvalidPicture = "The bitmap is not valid";

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
    if (!data)
        throw Error(InvalidPicture);
    const std::span<const std::uint8_t> dib(data, size);
    const imaging::DibLayout layout = imaging::readDib(dib, 0, {.pixelsOffset = std::nullopt, .icon = false, .invalidMessage = InvalidPicture});
    Picture picture(layout.width, layout.height);
    if (layout.bits >= 24) {
        // The skin's pictures are read at every start: whole rows at once
        // (readDib has checked that every row lies in the data).
        const std::size_t step = static_cast<std::size_t>(layout.bits / 8);
        for (int y = 0; y < picture.height(); ++y) {
            const auto storedRow = static_cast<std::size_t>(layout.bottomUp ? picture.height() - 1 - y : y);
            const std::uint8_t* bgr = data + layout.pixelsOffset + layout.stride * storedRow;
            Colour* out = picture.row(y);
            for (int x = 0; x < picture.width(); ++x, bgr += step)
                out[x] = rgb(bgr[2], bgr[1], bgr[0]);
        }
        return picture;
    }
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, imaging::dibPixel(dib, layout, x, y));
    return picture;
}

} // namespace lv
