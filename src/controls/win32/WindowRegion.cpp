#include "controls/win32/WindowRegion.h"

#include "platform/win32/Handles.h"

namespace lv::win32 {

bool applyOutline(HWND window, const std::vector<Point>& outline)
{
    if (outline.size() < 3)
        return false;
    std::vector<POINT> points;
    points.reserve(outline.size());
    for (const Point& p : outline)
        points.push_back({p.x, p.y});
    GdiObject<HRGN> region(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
    if (!region || !SetWindowRgn(window, region.get(), TRUE))
        return false;
    // The window owns the region now.
    region.release();
    return true;
}

} // namespace lv::win32
