#pragma once
// Registering a window class of the program once per process.
#include <windows.h>

namespace lv::win32 {

// Registers the class (arrow cursor, no background brush: every window of
// the program paints its whole client area) unless it already is; throws
// when the system refuses it.
void registerWindowClassOnce(HINSTANCE instance, const char* className, WNDPROC procedure);

} // namespace lv::win32
