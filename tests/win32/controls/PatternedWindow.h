#pragma once
// A real top-level window whose client area is a colour gradient, painted
// for WM_PAINT and WM_PRINTCLIENT alike, for the transparent controls to be
// placed on; and what the screen shows at its client points.
#include "platform/win32/WindowProcedure.h"

#include <windows.h>

#include <string>
#include <vector>

namespace lvtest {

class PatternedWindow {
public:
    PatternedWindow(int width, int height);
    ~PatternedWindow();
    PatternedWindow(const PatternedWindow&) = delete;
    PatternedWindow& operator=(const PatternedWindow&) = delete;

    HWND handle() const { return window_; }
    // The gradient's colour at a client point, for the present phase.
    COLORREF pattern(int x, int y) const;
    // Changes the picture and repaints the window (not its children).
    void shiftPattern();
    COLORREF screenAt(int x, int y) const;
    // What the screen shows over a rectangle of the client area, taken at
    // once; pixels as COLORREF.
    struct Shot {
        int left, top, width;
        std::vector<COLORREF> pixels;
        COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>((y - top) * width + x - left)]; }
    };
    Shot shot(int left, int top, int width, int height) const;
    // WM_COMMAND notifications the window received.
    int commands = 0;

private:
    template <class Window>
    friend LRESULT CALLBACK lv::win32::windowProcedure(HWND, UINT, WPARAM, LPARAM);
    void attach(HWND window) { window_ = window; }
    void detach() { window_ = nullptr; }
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void reportError(const std::string&) {}
    void paint(HDC dc) const;

    HWND window_ = nullptr;
    int phase_ = 0;
};

// Lets the thread's messages run for a moment.
void pump();

} // namespace lvtest
