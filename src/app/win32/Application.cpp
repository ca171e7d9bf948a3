#include "app/win32/Application.h"

#include "platform/UserDialogs.h"

namespace lv::win32 {

Application::Application(HINSTANCE instance) : instance_(instance), title_(ApplicationTitle) {}

void Application::showError(const std::string& message) const
{
    const HWND owner = IsWindow(mainWindow_) ? mainWindow_ : nullptr;
    MessageBoxA(owner, message.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

namespace {

bool keyDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

// Whether the control the key message goes to asks for it itself, by any
// of the given WM_GETDLGCODE answers.
bool controlWantsKey(const MSG& message, LRESULT answers)
{
    MSG copy = message;
    return (SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&copy)) & answers) != 0;
}

// Tab and Shift+Tab move the focus among the controls of the window that
// holds it, as in a dialog; the windows are not dialogs, and the rest of
// the dialog keyboard (Enter, Esc, arrows) stays with the controls.
bool movedFocusByTab(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || keyDown(VK_CONTROL) || keyDown(VK_MENU))
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!root || (message.hwnd != root && controlWantsKey(message, DLGC_WANTTAB | DLGC_WANTALLKEYS)))
        return false;
    const HWND next = GetNextDlgTabItem(root, message.hwnd == root ? nullptr : message.hwnd, keyDown(VK_SHIFT));
    if (!next || next == message.hwnd)
        return false;
    SetFocus(next);
    return true;
}

// Esc closes the window holding the focus when the main window owns it (the
// folder dialog, the scheduler, the about box: closing each is its Cancel),
// unless the focused control wants the key, as an open drop-down list does.
bool closedByEscape(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE)
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!root || !GetWindow(root, GW_OWNER) ||
        (message.hwnd != root && controlWantsKey(message, DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)))
        return false;
    PostMessageA(root, WM_CLOSE, 0, 0);
    return true;
}

} // namespace

int Application::run()
{
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return 1;
        if (movedFocusByTab(message) || closedByEscape(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace lv::win32
