// lumivane3help.exe: the help window of the Control Center. One window of
// class "Thelpform", titled "Lumivane 3 Help", with a painted heading and
// the help text in a read-only, scrollable field. The Control Center closes
// it with WM_CLOSE before it starts a new copy.
#include "base/ProgramIdentities.h"

#include <windows.h>

#include <string>

namespace {

constexpr const char* ClassName = lv::HelpIdentity.windowClass;
constexpr const char* Title = lv::HelpIdentity.title;
constexpr int HeadingHeight = 46;
constexpr int TextId = 100;
constexpr COLORREF HeadingTop = RGB(40, 56, 92);
constexpr COLORREF HeadingBottom = RGB(14, 20, 38);
constexpr COLORREF HeadingText = RGB(236, 240, 250);
constexpr COLORREF HeadingAccent = RGB(255, 196, 76);

HFONT textFont = nullptr;
HFONT headingFont = nullptr;

// The text resource with line ends the edit control shows ("\r\n").
std::string helpText(HINSTANCE instance)
{
    const HRSRC found = FindResourceA(instance, "HELPTEXT", MAKEINTRESOURCEA(10)); // RT_RCDATA
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!data)
        return "The help text is missing from this program.";
    const std::string raw(data, SizeofResource(instance, found));
    std::string text;
    for (char c : raw) {
        if (c == '\r')
            continue;
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

void paintHeading(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    for (int y = 0; y < HeadingHeight; ++y) {
        const int t = y * 255 / (HeadingHeight - 1);
        const COLORREF c = RGB((GetRValue(HeadingTop) * (255 - t) + GetRValue(HeadingBottom) * t) / 255,
                               (GetGValue(HeadingTop) * (255 - t) + GetGValue(HeadingBottom) * t) / 255,
                               (GetBValue(HeadingTop) * (255 - t) + GetBValue(HeadingBottom) * t) / 255);
        HBRUSH brush = CreateSolidBrush(c);
        RECT row{0, y, client.right, y + 1};
        FillRect(dc, &row, brush);
        DeleteObject(brush);
    }
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ old = SelectObject(dc, headingFont);
    SetTextColor(dc, HeadingText);
    RECT title{16, 0, client.right, HeadingHeight};
    DrawTextA(dc, "Lumivane 3 Control Center", -1, &title, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, textFont);
    SetTextColor(dc, HeadingAccent);
    RECT help{0, 0, client.right - 16, HeadingHeight};
    DrawTextA(dc, "Help", -1, &help, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    SelectObject(dc, old);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        const HWND text = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                                              ES_AUTOVSCROLL,
                                          0, HeadingHeight, 10, 10, window,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(TextId)),
                                          create->hInstance, nullptr);
        if (!text)
            return -1;
        SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(textFont), FALSE);
        SendMessageA(text, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(10, 10));
        SetWindowTextA(text, helpText(create->hInstance).c_str());
        return 0;
    }
    case WM_SIZE:
        MoveWindow(GetDlgItem(window, TextId), 0, HeadingHeight, LOWORD(lParam), HIWORD(lParam) - HeadingHeight,
                   TRUE);
        return 0;
    case WM_CTLCOLORSTATIC:
        // A read-only field would be grey: this one is for reading.
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        paintHeading(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(window, TextId));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    textFont = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
    headingFont = CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconA(nullptr, IDI_QUESTION);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExA(&windowClass))
        return 1;
    const HWND window = CreateWindowExA(0, ClassName, Title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 620,
                                        520, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DeleteObject(textFont);
    DeleteObject(headingFont);
    return static_cast<int>(message.wParam);
}
