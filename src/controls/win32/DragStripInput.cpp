#include "controls/win32/DragStripInput.h"

namespace lv::win32 {

void DragStripInput::onMouse(HWND window, UINT message, Point client)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (!strip_.contains(client))
            return;
        logic_.press({client.x - strip_.left, client.y - strip_.top});
        dragging_ = true;
        SetCapture(window);
        return;
    case WM_MOUSEMOVE: {
        if (!dragging_)
            return;
        // Where the cursor is now, not where it was when the message was
        // queued: moves queued before the window followed would count twice.
        POINT cursor;
        GetCursorPos(&cursor);
        ScreenToClient(window, &cursor);
        if (const auto by = logic_.move({cursor.x - strip_.left, cursor.y - strip_.top})) {
            RECT r;
            GetWindowRect(window, &r);
            SetWindowPos(window, nullptr, r.left + by->x, r.top + by->y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        logic_.release();
        if (dragging_) {
            dragging_ = false;
            ReleaseCapture();
        }
        return;
    }
}

} // namespace lv::win32
