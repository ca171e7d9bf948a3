// The cycle list box of the pages on a real window: when the right button
// switches its selection style the box is made again, and the user keeps
// the entries, the scroll position, the focused entry and the keyboard focus.
#include "app/MainformFixture.h"
#include "app/win32/PageControls.h"
#include "app/win32/PageControlsLayout.h"
#include "win32/controls/PatternedWindow.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

namespace {

using lv::win32::PageControls;

PageControls* shownControls = nullptr;

// The part of the main window the list needs: it is made again on request.
LRESULT CALLBACK pageWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PageControls::RemakeListMessage && shownControls) {
        shownControls->remakeList();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class ListBoxView : public lv::apptest::MainformFixture {};

TEST_F(ListBoxView, TogglingTheSelectionStyleKeepsEntriesScrollPositionAndFocus)
{
    std::string text = "[Screen Saver]\r\n";
    for (int i = 0; i < 40; ++i)
        text += std::to_string(i) + "=C:\\s\\saver" + std::to_string(i) + ".scr\r\n";
    start(text);
    click(4);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &pageWindow;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LvPageListTest";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 50, 50,
                                        591, 426, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    {
        PageControls controls(window, windowClass.hInstance, [](const std::function<void()>& action) { action(); });
        shownControls = &controls;
        controls.bind(*form);
        controls.refresh();
        const HWND before = GetDlgItem(window, lv::win32::pagecontrols::ListId);
        ASSERT_EQ(SendMessageA(before, LB_GETCOUNT, 0, 0), 40);
        SendMessageA(before, LB_SETCARETINDEX, 25, FALSE);
        SendMessageA(before, LB_SETTOPINDEX, 20, 0);
        SetForegroundWindow(window);
        SetFocus(before);
        ASSERT_EQ(GetFocus(), before);

        SendMessageA(before, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        lvtest::pump();
        const HWND list = GetDlgItem(window, lv::win32::pagecontrols::ListId);
        EXPECT_FALSE(form->list.extendedSelect);
        EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LBS_MULTIPLESEL);
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 40);
        EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 20);
        EXPECT_EQ(SendMessageA(list, LB_GETCARETINDEX, 0, 0), 25);
        EXPECT_EQ(GetFocus(), list);
        shownControls = nullptr;
    }
    DestroyWindow(window);
    lvtest::pump();
}

} // namespace
