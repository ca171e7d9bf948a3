#include "win32/controls/PatternedWindow.h"

#include "controls/win32/TrSupport.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowProcedure.h"

#include <cstdint>

namespace lvtest {

namespace {

constexpr const char* ClassName = "LvPatternedWindow";

} // namespace

PatternedWindow::PatternedWindow(int width, int height)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    lv::win32::registerWindowClassOnce(instance, ClassName, &lv::win32::windowProcedure<PatternedWindow>);
    CreateWindowExA(WS_EX_TOPMOST, ClassName, "transparent controls", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100,
                    100, width, height, nullptr, nullptr, instance, this);
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
    return GetPixel(lv::win32::WindowDC().get(), p.x, p.y);
}

PatternedWindow::Shot PatternedWindow::shot(int left, int top, int width, int height) const
{
    POINT p{left, top};
    ClientToScreen(window_, &p);
    const lv::Picture picture = lv::win32::grab(lv::win32::WindowDC().get(), p.x, p.y, width, height);
    Shot result{left, top, width, {}};
    for (const lv::Colour c : picture.pixels())
        result.pixels.push_back(RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
    return result;
}

LRESULT PatternedWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT:
        paint(lv::win32::PaintDC(window_).get());
        return 0;
    case WM_COMMAND:
        ++commands;
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
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
