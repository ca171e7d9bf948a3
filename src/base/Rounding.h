#pragma once
// Pixel and number arithmetic of the program rounds to the nearest whole
// number, a half to the even neighbour (12.5 -> 12, 13.5 -> 14).
#include <cmath>

namespace lv {

inline double roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5) return down;
    if (diff > 0.5) return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

} // namespace lv
