#pragma once
// Registering a window class of the program once per process.
#include <windows.h>

namespace lv::win32 {

struct WindowClassOptions {
    UINT style = 0;
    // None by default: every window of the program paints its whole client area.
    HBRUSH background = nullptr;
    HICON icon = nullptr;
};

// Registers the class (arrow cursor) unless this instance already has it;
// throws when the system refuses it.
void registerWindowClassOnce(HINSTANCE instance, const char* className, WNDPROC procedure,
                             const WindowClassOptions& options = {});

} // namespace lv::win32
