#pragma once
// The top-level window that holds a window, as GetAncestor(GA_ROOT) gives
// it; that function is missing from Windows 95 and NT 4.0 before SP4.
#include <windows.h>

namespace lv::win32 {

inline HWND rootWindow(HWND window)
{
    if (!window || !IsWindow(window))
        return nullptr;
    while (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
        const HWND parent = GetParent(window);
        if (!parent)
            break;
        window = parent;
    }
    return window;
}

} // namespace lv::win32
