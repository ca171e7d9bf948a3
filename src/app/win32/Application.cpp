#include "app/win32/Application.h"

#include "platform/UserDialogs.h"

namespace lv::win32 {

Application::Application(HINSTANCE instance) : instance_(instance), title_(ApplicationTitle) {}

void Application::showError(const std::string& message) const
{
    const HWND owner = IsWindow(mainWindow_) ? mainWindow_ : nullptr;
    MessageBoxA(owner, message.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

int Application::run()
{
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return 1;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

std::string systemErrorText(DWORD code)
{
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length ? std::string(buffer, length) : "System error " + std::to_string(code);
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace lv::win32
