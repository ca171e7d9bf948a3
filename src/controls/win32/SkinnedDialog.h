#pragma once
// What the small skinned windows (the about box, the scheduler) share: their
// picture painted with their skinned buttons over it, without flicker, and
// the mouse going to the buttons or, between them, to the drag strip.
#include "base/Geometry.h"
#include "controls/Picture.h"
#include "controls/win32/ButtonHost.h"
#include "controls/win32/DragStripInput.h"

#include <windows.h>

namespace lv::win32 {

struct SkinnedSurface {
    HWND window;
    Size size;
    const Picture& background;
    ButtonHost* buttons; // null until the window's creation has made them
    DragStripInput& drag;
};

// Painting and mouse messages of a skinned window; true when the message was
// one of them, with its result in `result`.
bool handleSkinnedMessage(const SkinnedSurface& surface, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result);

// Shows the window and brings it to the front; the first time it is shown
// it is centred on the screen, later it stays where the user left it.
void showSkinnedWindow(HWND window, Size size, bool& shownBefore);

} // namespace lv::win32
