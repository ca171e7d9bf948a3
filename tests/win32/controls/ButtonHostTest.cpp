// The skinned buttons' host on a real window: a held button whose window
// loses the mouse is released, and its next hover shows no down picture.
#include "controls/win32/ButtonHost.h"
#include "win32/controls/PatternedWindow.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using lv::Picture;
using lv::Thbitbtn;

// Where the test window sends its mouse messages; capture notices only
// while `hearsCapture` is set.
lv::win32::ButtonHost* host = nullptr;
bool hearsCapture = true;

LRESULT CALLBACK hostWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool mouse = (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_MOUSELEAVE;
    if (host && (mouse || (message == WM_CAPTURECHANGED && hearsCapture)))
        host->handleMouse(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND makeWindow(const char* className, WNDPROC procedure)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(WS_EX_TOPMOST, className, "", WS_POPUP | WS_VISIBLE, 500, 300, 80, 60, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
}

TEST(ButtonHostView, AHeldButtonWhoseWindowLosesTheMouseIsReleased)
{
    const HWND window = makeWindow("LvButtonHostTest", &hostWindow);
    const HWND other = makeWindow("LvButtonHostOther", &DefWindowProcA);
    ASSERT_TRUE(window && other);
    lv::win32::ButtonHost buttons(window);
    Thbitbtn button;
    button.setBitmap_Up(Picture(20, 10, 2));
    button.setBitmap_Down(Picture(20, 10, 3));
    button.setBitmap_Idle(Picture(20, 10, 1));
    button.setBounds({10, 10, 20, 10});
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    buttons.add(button);
    host = &buttons;

    const std::vector<std::pair<const char*, std::function<void()>>> losses = {
        {"another window takes the mouse", [&] { SetCapture(other); }},
        {"the system cancels the mode", [&] { SendMessageA(window, WM_CANCELMODE, 0, 0); }},
        {"the mouse leaves after an unnoticed release", [&] {
             hearsCapture = false;
             ReleaseCapture();
             hearsCapture = true;
             SendMessageA(window, WM_MOUSELEAVE, 0, 0);
         }},
    };
    const LPARAM over = MAKELPARAM(15, 15);
    for (const auto& [name, lose] : losses) {
        SCOPED_TRACE(name);
        SendMessageA(window, WM_MOUSEMOVE, 0, over);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, over);
        ASSERT_EQ(button.pressedState(), Thbitbtn::HeldDown);
        ASSERT_EQ(GetCapture(), window);
        lose();
        EXPECT_EQ(button.pressedState(), Thbitbtn::Released);
        ReleaseCapture();
        SendMessageA(window, WM_MOUSEMOVE, 0, over);
        EXPECT_EQ(button.pictureToPaint(), &button.Bitmap_Up()) << "the next hover shows the up picture";
        SendMessageA(window, WM_LBUTTONUP, 0, over);
    }
    EXPECT_EQ(clicks, 0);
    host = nullptr;
    DestroyWindow(other);
    DestroyWindow(window);
    lvtest::pump();
}

} // namespace
