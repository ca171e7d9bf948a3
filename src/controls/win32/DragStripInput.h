#pragma once
// The mouse side of a window's drag strip: a press on the strip starts a
// drag (the window keeps the mouse), moves move the window by the strip's
// rule, a release ends it. Shared by every skinned window.
#include "base/Geometry.h"
#include "controls/SkinnedWindow.h"

#include <windows.h>

namespace lv::win32 {

class DragStripInput {
public:
    DragStripInput(DragStrip& logic, const Rect& strip) : logic_(logic), strip_(strip) {}

    // A mouse message at a client point of the window.
    void onMouse(HWND window, UINT message, Point client);
    // The window lost the mouse to another: the drag is over.
    void captureLost() { dragging_ = false; }
    bool dragging() const { return dragging_; }

private:
    DragStrip& logic_;
    Rect strip_;
    bool dragging_ = false;
};

} // namespace lv::win32
