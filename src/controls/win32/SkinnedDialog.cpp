#include "controls/win32/SkinnedDialog.h"

#include "platform/win32/Handles.h"
#include "controls/win32/SkinPictures.h"

#include <windowsx.h>

namespace lv::win32 {

namespace {

void paint(const SkinnedSurface& s, HDC dc, const RECT& area)
{
    MemoryCanvas canvas(dc, s.size.width, s.size.height);
    const HDC target = canvas.valid() ? canvas.get() : dc;
    drawPicture(target, s.background, 0, 0);
    if (s.buttons)
        s.buttons->paint(target, area);
    if (canvas.valid())
        BitBlt(dc, 0, 0, s.size.width, s.size.height, canvas.get(), 0, 0, SRCCOPY);
}

} // namespace

bool handleSkinnedMessage(const SkinnedSurface& s, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_ERASEBKGND:
        // The picture covers the whole client area.
        result = TRUE;
        return true;
    case WM_PRINTCLIENT: {
        // Transparent controls take the picture under them this way.
        const RECT all{0, 0, s.size.width, s.size.height};
        paint(s, reinterpret_cast<HDC>(wParam), all);
        return true;
    }
    case WM_PAINT: {
        PaintDC context(s.window);
        RECT area;
        GetClipBox(context.get(), &area);
        paint(s, context.get(), area);
        return true;
    }
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED:
        if (s.buttons)
            s.buttons->handleMouse(message, wParam, lParam);
        if (message == WM_CAPTURECHANGED)
            s.drag.captureLost();
        return true;
    }
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        if (!s.drag.dragging() && s.buttons && s.buttons->handleMouse(message, wParam, lParam))
            return true;
        s.drag.onMouse(s.window, message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return true;
    }
    return false;
}

void showSkinnedWindow(HWND window, Size size, bool& shownBefore)
{
    if (!shownBefore) {
        shownBefore = true;
        SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

} // namespace lv::win32
