#include "controls/SkinnedWindow.h"

namespace lv {

namespace {

constexpr int TracedLeftRows = 131;
constexpr int LeftSideStart = 145;
constexpr int TracedCornerRows = 6;
constexpr int TopEdgeInset = 10;
constexpr int CornerCut = 5;

} // namespace

std::vector<Point> traceMainWindowOutline(const PixelAt& pixel, int pictureWidth, Size control)
{
    const Colour key = pixel(0, 0);
    std::vector<Point> points;
    for (int y = 0; y < TracedLeftRows; ++y) {
        for (int x = 0; x < pictureWidth - 1; ++x) {
            if (pixel(x, y) != key) {
                points.push_back({x + 2, y});
                break;
            }
        }
    }
    const int W = control.width;
    const int H = control.height;
    points.insert(points.end(), {Point{0, LeftSideStart}, Point{0, H}, Point{W, H}, Point{W, TracedCornerRows}});
    for (int y = TracedCornerRows - 1; y >= 0; --y) {
        for (int x = pictureWidth - 1; x >= 0; --x) {
            if (pixel(x, y) != key) {
                points.push_back({x, y});
                break;
            }
        }
    }
    points.push_back({W - TopEdgeInset, 0});
    return points;
}

std::vector<Point> octagonOutline(Size window)
{
    const int w = window.width;
    const int h = window.height;
    const int c = CornerCut;
    return {{c, 0}, {0, c}, {0, h - c}, {c, h}, {w - c, h}, {w, h - c}, {w, c}, {w - c, 0}};
}

std::optional<Point> DragStrip::move(Point onStrip) const
{
    Point by{x0_ != 0 ? onStrip.x - x0_ : 0, y0_ != 0 ? onStrip.y - y0_ : 0};
    if (by.x == 0 && by.y == 0)
        return std::nullopt;
    return by;
}

} // namespace lv
