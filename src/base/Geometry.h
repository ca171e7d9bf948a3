#pragma once
// Plain pixel geometry shared by the window views and their logic.

namespace lv {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool contains(Point p) const
    {
        return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Top-left corner that centres a window of the given outer size on an area
// (the screen). A window larger than the area keeps its top-left corner on
// the area, so its title strip and title boxes stay within reach.
Point centredOrigin(Size window, Rect area);

} // namespace lv
