#include "platform/win32/WindowClass.h"

#include "base/Error.h"
#include "platform/win32/SystemError.h"

#include <string>

namespace lv::win32 {

void registerWindowClassOnce(HINSTANCE instance, const char* className, WNDPROC procedure,
                             const WindowClassOptions& options)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExA(instance, className, &windowClass))
        return;
    windowClass = WNDCLASSEXA{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = options.style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = options.icon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = options.background;
    windowClass.lpszClassName = className;
    if (!RegisterClassExA(&windowClass))
        throw Error("Cannot register the window class " + std::string(className) + ": " +
                    systemErrorText(GetLastError()));
}

} // namespace lv::win32
