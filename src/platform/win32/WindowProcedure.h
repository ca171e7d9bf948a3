#pragma once
// The one window procedure of every window class of the program. It ties
// the window to its object (stored at WM_NCCREATE, cleared at WM_NCDESTROY)
// and is the boundary of the general error handler: an exception from a
// handler is reported and stops there; the window stays open, except that
// a failed WM_CREATE answers -1 so the window is not created.
//
// Window provides: attach(HWND), detach(), dispatch(message, wParam, lParam)
// and reportError(message).
#include "base/ErrorBoundary.h"

#include <windows.h>

namespace lv::win32 {

template <class Window>
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->attach(window);
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) have no object yet.
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->detach();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const ErrorReport report = [self](const std::string& text) { self->reportError(text); };
    const LRESULT failed = message == WM_CREATE ? -1 : 0;
    return runGuarded([&] { return self->dispatch(message, wParam, lParam); }, report, failed);
}

} // namespace lv::win32
