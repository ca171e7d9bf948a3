#include "imaging/ColorTbl.h"

namespace lv::imaging {

namespace {

constexpr TColorItem StandardColors[16] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

} // namespace

TColorTable::TColorTable(std::int32_t size) : Count(size)
{
    if (size >= 0 && size <= 2) {
        Entries[1] = {255, 255, 255};
    } else if (size == 16) {
        for (int i = 0; i < 16; ++i)
            Entries[i] = StandardColors[i];
    } else if (size == 256) {
        for (int i = 0; i < 256; ++i) {
            const auto v = static_cast<std::uint8_t>(i);
            Entries[i] = {v, v, v};
        }
    }
}

} // namespace lv::imaging
