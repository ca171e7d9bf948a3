// lvfixture: a small window with the kinds of controls the Control Center
// uses, so the end-to-end tests can prove each lvdrive command against
// known behaviour. It reports what it received in its label (id 102).
#include <windows.h>
#include <commdlg.h>

#include <string>

namespace {

constexpr int EditId = 100, ListId = 101, LabelId = 102, AskId = 103, OpenId = 104;
std::string events;

void log(HWND window, const std::string& event)
{
    events = events.empty() ? event : events + ", " + event;
    SetDlgItemTextA(window, LabelId, events.c_str());
}

std::string at(LPARAM lParam)
{
    return std::to_string(static_cast<short>(LOWORD(lParam))) + " " +
           std::to_string(static_cast<short>(HIWORD(lParam)));
}

void openFiles(HWND window)
{
    char names[4096] = {};
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = window;
    open.lpstrFilter = "Text files\0*.txt\0All files\0*.*\0";
    open.lpstrFile = names;
    open.nMaxFile = sizeof names;
    open.lpstrInitialDir = "C:\\data";
    open.lpstrTitle = "Pick Files";
    open.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&open)) {
        log(window, "open cancelled");
        return;
    }
    const HWND list = GetDlgItem(window, ListId);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const char* name = names; *name; name += lstrlenA(name) + 1)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    log(window, "opened");
}

void createControls(HWND window)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    auto make = [&](DWORD exStyle, const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
        return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    };
    make(WS_EX_CLIENTEDGE, "Edit", "", ES_AUTOHSCROLL | WS_TABSTOP, 10, 10, 200, 22, EditId);
    const HWND list = make(WS_EX_CLIENTEDGE, "ListBox", "", LBS_MULTIPLESEL | LBS_NOTIFY | WS_VSCROLL, 10, 40, 200, 100,
                           ListId);
    for (const char* item : {"alpha", "beta", "gamma"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(list, LB_SETSEL, TRUE, 0);
    SendMessageA(list, LB_SETSEL, TRUE, 2);
    make(0, "Static", "", SS_LEFT, 10, 150, 380, 60, LabelId);
    make(0, "Button", "Ask", BS_PUSHBUTTON, 230, 10, 70, 24, AskId);
    make(0, "Button", "Open", BS_PUSHBUTTON, 310, 10, 70, 24, OpenId);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls(window);
        return 0;
    case WM_LBUTTONDOWN:
        log(window, "down " + at(lParam));
        return 0;
    case WM_LBUTTONUP:
        log(window, "up " + at(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        log(window, "double " + at(lParam));
        return 0;
    case WM_RBUTTONUP:
        log(window, "right " + at(lParam));
        return 0;
    case WM_KEYDOWN:
        log(window, "key " + std::to_string(wParam));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == AskId && HIWORD(wParam) == BN_CLICKED) {
            const int answer = MessageBoxA(window, "Proceed?", "Confirm", MB_YESNO | MB_ICONQUESTION);
            log(window, answer == IDYES ? "answer yes" : "answer no");
        } else if (LOWORD(wParam) == OpenId && HIWORD(wParam) == BN_CLICKED) {
            openFiles(window);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "LvFixture";
    if (!RegisterClassA(&windowClass))
        return 1;
    RECT frame{0, 0, 400, 300};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND window = CreateWindowExA(0, "LvFixture", "Driver Fixture", WS_OVERLAPPEDWINDOW, 40, 40,
                                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                                        nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
