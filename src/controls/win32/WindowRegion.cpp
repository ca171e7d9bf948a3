#include "controls/win32/WindowRegion.h"

namespace lv::win32 {

bool applyOutline(HWND window, const std::vector<Point>& outline)
{
    if (outline.size() < 3)
        return false;
    std::vector<POINT> points;
    points.reserve(outline.size());
    for (const Point& p : outline)
        points.push_back({p.x, p.y});
    const HRGN region = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING);
    if (!region)
        return false;
    if (!SetWindowRgn(window, region, TRUE)) {
        DeleteObject(region);
        return false;
    }
    return true;
}

} // namespace lv::win32
