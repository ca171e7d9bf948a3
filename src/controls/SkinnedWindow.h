#pragma once
// What the borderless skinned windows share: their outlines and the rule by
// which a strip of the skin drags its window.
#include "base/Geometry.h"
#include "controls/Picture.h"

#include <functional>
#include <optional>
#include <vector>

namespace lv {

// The colour of one pixel of a skin picture.
using PixelAt = std::function<Colour(int x, int y)>;

// The main window's outline, traced from its background picture: the
// curved left edge of the top 131 rows (two pixels in from the first pixel
// that differs from the key colour at (0, 0)), straight down the left side
// from row 145, along the bottom, up the right side to row 6, then the
// top-right corner over rows 5 to 0, and back along the top edge.
// pictureWidth is the picture's own width; control is the size of the
// picture control showing it. The polygon is filled by the winding rule.
std::vector<Point> traceMainWindowOutline(const PixelAt& pixel, int pictureWidth, Size control);

// The small windows' octagon: every corner cut by five pixels.
std::vector<Point> octagonOutline(Size window);

// Dragging a window by a strip of its skin. The strip moves with the
// window, so the cursor stays over the point where it was pressed. A press
// on the strip's first column or first row leaves that axis still (the
// stored offset is 0 then, which also means "not dragging").
class DragStrip {
public:
    void press(Point onStrip) { x0_ = onStrip.x; y0_ = onStrip.y; }
    // How far the window moves for a mouse move over the strip; nothing
    // when it does not move.
    std::optional<Point> move(Point onStrip) const;
    void release() { x0_ = y0_ = 0; }

    int x0() const { return x0_; }
    int y0() const { return y0_; }

private:
    int x0_ = 0;
    int y0_ = 0;
};

} // namespace lv
