#include "platform/win32/WindowClass.h"

#include "base/Error.h"

#include <string>

namespace lv::win32 {

void registerWindowClassOnce(HINSTANCE instance, const char* className, WNDPROC procedure)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExA(instance, className, &windowClass))
        return;
    windowClass = WNDCLASSEXA{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    if (!RegisterClassExA(&windowClass))
        throw Error("Cannot register the window class " + std::string(className));
}

} // namespace lv::win32
