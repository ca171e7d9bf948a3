#include "platform/win32/Win32TopLevelWindows.h"

#include <windows.h>

namespace lv::win32 {

WindowHandle Win32TopLevelWindows::find(const std::string& className, const std::string& title)
{
    // An empty class or title matches any.
    const HWND window = FindWindowA(className.empty() ? nullptr : className.c_str(),
                                    title.empty() ? nullptr : title.c_str());
    return reinterpret_cast<WindowHandle>(window);
}

void Win32TopLevelWindows::close(WindowHandle window)
{
    // Sent, not posted: the caller goes on only once the window has answered.
    SendMessageA(reinterpret_cast<HWND>(window), WM_CLOSE, 0, 0);
}

} // namespace lv::win32
