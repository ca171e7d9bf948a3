#pragma once
// A GIF colour table: up to 256 entries of red, green, blue, the order of a
// table in the file.
#include <array>
#include <cstdint>

namespace lv::imaging {

struct TColorItem {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};

class TColorTable {
public:
    // Pre-filled for its size: black and white for 0 to 2 entries, the 16
    // standard colours for 16, a grey ramp for 256, black otherwise.
    explicit TColorTable(std::int32_t size);

    std::int32_t Count = 0;
    std::array<TColorItem, 256> Entries{};
};

} // namespace lv::imaging
