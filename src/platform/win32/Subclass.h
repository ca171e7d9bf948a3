#pragma once
// Window-procedure subclassing of one window, with the calls of comctl32's
// SetWindowSubclass family. Those functions are exported by name only from
// comctl32 6 (Windows XP); this is built on SetWindowLongPtrA, which every
// 32-bit Windows has. Several procedures may hook one window; the newest
// sees a message first and passes it on with defSubclassProc.
#include <windows.h>

namespace lv::win32 {

using SubclassProcedure = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM, UINT_PTR id, DWORD_PTR data);

// Hooks procedure (with id and data) into window; hooking the same
// procedure and id again replaces its data.
bool setWindowSubclass(HWND window, SubclassProcedure procedure, UINT_PTR id, DWORD_PTR data);
// Unhooks it; the window's own procedure is put back once no hook is left.
bool removeWindowSubclass(HWND window, SubclassProcedure procedure, UINT_PTR id);
// From inside a hooked procedure: the next older hook, or the window's own
// procedure.
LRESULT defSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace lv::win32
