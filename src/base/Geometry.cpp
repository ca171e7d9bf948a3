#include "base/Geometry.h"

#include <algorithm>

namespace lv {

namespace {

// Halves the slack towards the area's start (integer division of a
// non-negative number), the way a centred window lands on an odd leftover.
int centredStart(int start, int areaLength, int windowLength)
{
    const int slack = areaLength - windowLength;
    return start + std::max(slack, 0) / 2;
}

} // namespace

Point centredOrigin(Size window, Rect area)
{
    return {centredStart(area.left, area.width, window.width), centredStart(area.top, area.height, window.height)};
}

} // namespace lv
