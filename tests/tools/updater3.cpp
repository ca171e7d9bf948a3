// Stand-in for the Updater, the separate program that does the cycling: a
// top-level window of class "Tmainform" titled "Lumivane 3 Updater" that ends
// when it is sent WM_CLOSE. The end-to-end tests start it beside the Control
// Center. It cycles nothing.
#include <windows.h>

namespace {

LRESULT CALLBACK updaterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = updaterProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = "Tmainform";
    if (!RegisterClassA(&wc))
        return 1;
    // Hidden, as the real Updater lives in the tray; FindWindow finds it all the same.
    if (!CreateWindowExA(0, "Tmainform", "Lumivane 3 Updater", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                         200, 100, nullptr, nullptr, instance, nullptr))
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
