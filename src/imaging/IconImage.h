#pragma once
// Icon (.ico) files: the image a 32 x 32 icon would use, drawn on white.
#include <cstdint>
#include <span>
#include <vector>

namespace lv::imaging {

// The chosen image of the icon file drawn at its own size on a white 24-bit
// bitmap, as a bitmap file. Throws Error("Icon image is not valid").
std::vector<std::uint8_t> DecodeIconToBitmapFile(std::span<const std::uint8_t> data);

} // namespace lv::imaging
