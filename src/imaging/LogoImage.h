#pragma once
// The format of the system's startup and shutdown logos: a 320 x 400 bitmap
// of 256 colours, which Windows stretches over a 4:3 screen.
#include <cstdint>
#include <span>
#include <vector>

namespace lv::imaging {

constexpr int LogoWidth = 320;
constexpr int LogoHeight = 400;

// The picture (a bitmap file) scaled to fit the screen the logo covers,
// keeping its proportions on that screen, centred on black, in a fixed
// palette of 6 x 6 x 6 colours. Throws Error("Bitmap image is not valid")
// for a picture that is not a bitmap file.
std::vector<std::uint8_t> MakeLogoBitmapFile(std::span<const std::uint8_t> picture);

} // namespace lv::imaging
