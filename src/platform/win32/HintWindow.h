#pragma once
// The hint (tooltip) window of the program's controls.
#include <windows.h>

namespace lv::win32 {

// Loads comctl32's window classes (the hint window's, the up-down
// control's) and makes a hint window owned by `owner`; null when the system
// refuses it. comctl32 is loaded here at the latest, so callers make it when
// hints are first needed, not at start-up.
HWND createHintWindow(HWND owner);

} // namespace lv::win32
