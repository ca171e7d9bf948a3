#include "win32/controls/PatternedWindow.h"

#include "controls/win32/TrSupport.h"

#include <cstdint>

namespace lvtest {

PatternedWindow::PatternedWindow(int width, int height)
{
    WNDCLASSA c{};
    c.lpfnWndProc = proc;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "LvPatternedWindow";
    RegisterClassA(&c);
    window_ = CreateWindowExA(WS_EX_TOPMOST, c.lpszClassName, "transparent controls", WS_POPUP | WS_VISIBLE |
                              WS_CLIPCHILDREN, 100, 100, width, height, nullptr, nullptr, c.hInstance, this);
    UpdateWindow(window_);
    pump();
}

PatternedWindow::~PatternedWindow()
{
    DestroyWindow(window_);
    pump();
}

COLORREF PatternedWindow::pattern(int x, int y) const
{
    return RGB((x * 3 + phase_) % 256, (y * 4) % 256, 200 - phase_);
}

void PatternedWindow::shiftPattern()
{
    phase_ += 40;
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
}

void PatternedWindow::paint(HDC dc) const
{
    RECT client;
    GetClientRect(window_, &client);
    // One bitmap copy: pixel by pixel, each capture would cost a second.
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            const COLORREF c = pattern(x, y);
            pixels.push_back((static_cast<std::uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, client.right, client.bottom, 0, 0, 0, client.bottom, pixels.data(), &info,
                      DIB_RGB_COLORS);
}

COLORREF PatternedWindow::screenAt(int x, int y) const
{
    POINT p{x, y};
    ClientToScreen(window_, &p);
    const HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

PatternedWindow::Shot PatternedWindow::shot(int left, int top, int width, int height) const
{
    POINT p{left, top};
    ClientToScreen(window_, &p);
    const HDC screen = GetDC(nullptr);
    const lv::Picture picture = lv::win32::grab(screen, p.x, p.y, width, height);
    ReleaseDC(nullptr, screen);
    Shot result{left, top, width, {}};
    for (const lv::Colour c : picture.pixels())
        result.pixels.push_back(RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
    return result;
}

LRESULT CALLBACK PatternedWindow::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<PatternedWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PRINTCLIENT:
        self->paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        self->paint(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_COMMAND:
        ++self->commands;
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void pump()
{
    for (int i = 0; i < 20; ++i) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    }
}

} // namespace lvtest
