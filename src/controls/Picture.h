#pragma once
// A picture held as plain pixels, so the skinned controls and the window
// shapes can be decided without the window system. Pixels are 0x00RRGGBB,
// rows from the top.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lv {

using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b)
{
    return (static_cast<Colour>(r & 0xFF) << 16) | (static_cast<Colour>(g & 0xFF) << 8) | static_cast<Colour>(b & 0xFF);
}

class Picture {
public:
    Picture() = default;
    Picture(int width, int height, Colour fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    const std::vector<Colour>& pixels() const { return pixels_; }

    // Outside the picture: 0.
    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour colour);
    // The pixels of row y (0 <= y < height), for filling a row at once.
    Colour* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }

    // A new size keeps the pixels at their places from the top-left corner;
    // new pixels are black.
    void setSize(int width, int height);

    friend bool operator==(const Picture&, const Picture&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// Reads a device-independent bitmap as resources and the clipboard hold it
// (a header, the colour table, the rows) with the program's one reader of
// bitmaps (imaging/Dib.h); throws lv::Error for what it refuses.
Picture pictureFromDib(const std::uint8_t* data, std::size_t size);

} // namespace lv
