#include "platform/win32/Win32SessionState.h"

#include <windows.h>

namespace lv::win32 {

namespace {

// SHQueryUserNotificationState (Windows Vista and later) and its answers
// that mean a program has the screen: busy (full screen), Direct3D full
// screen, presentation mode.
using QueryNotificationState = HRESULT(WINAPI*)(int*);
constexpr int BusyState = 2, Direct3DState = 3, PresentationState = 4;

QueryNotificationState notificationStateQuery()
{
    // Looked up at run time: older shell32 libraries lack it. The library
    // stays loaded for the run, as the delay-loaded shell32 does anyway.
    static const QueryNotificationState query = [] {
        const HMODULE shell = LoadLibraryA("shell32.dll");
        return shell ? reinterpret_cast<QueryNotificationState>(
                           reinterpret_cast<void (*)()>(GetProcAddress(shell, "SHQueryUserNotificationState")))
                     : nullptr;
    }();
    return query;
}

bool isDesktopWindow(HWND window)
{
    if (window == GetDesktopWindow())
        return true;
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "Progman") == 0 || lstrcmpiA(name, "WorkerW") == 0;
}

} // namespace

bool Win32SessionState::onBattery()
{
    SYSTEM_POWER_STATUS status{};
    // 0: off the mains; 1 on them, 255 unknown (a desktop computer).
    return GetSystemPowerStatus(&status) && status.ACLineStatus == 0;
}

bool Win32SessionState::fullScreenProgram()
{
    if (const QueryNotificationState query = notificationStateQuery()) {
        int state = 0;
        if (SUCCEEDED(query(&state)))
            return state == BusyState || state == Direct3DState || state == PresentationState;
    }
    // Older systems: the foreground window covers the whole (primary) screen.
    const HWND foreground = GetForegroundWindow();
    if (!foreground || isDesktopWindow(foreground))
        return false;
    RECT rect{};
    if (!GetWindowRect(foreground, &rect))
        return false;
    return rect.left <= 0 && rect.top <= 0 && rect.right >= GetSystemMetrics(SM_CXSCREEN) &&
           rect.bottom >= GetSystemMetrics(SM_CYSCREEN);
}

} // namespace lv::win32
