// The transparent radio group on a real window: the parent's picture shows
// through around its circles (taken one pixel right of and below its place),
// its face colour never shows, and clicks choose the item.
#include "controls/win32/TrRadioGroup.h"
#include "base/Error.h"
#include "platform/win32/Subclass.h"
#include "win32/controls/PatternedWindow.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class TrRadioGroupView : public testing::Test {
protected:
    static void SetUpTestSuite() { shared = new lvtest::PatternedWindow(120, 120); }
    static void TearDownTestSuite() { delete shared; }
    void SetUp() override
    {
        group = std::make_unique<lv::win32::TrRadioGroup>(window.handle(), lv::Rect{40, 30, 23, 54});
        group->setItems({"1", "2"});
        group->setItemIndex(0);
        UpdateWindow(window.handle());
        lvtest::pump();
    }
    void TearDown() override
    {
        group.reset();
        lvtest::pump();
    }
    COLORREF screenAt(int x, int y) const { return window.screenAt(x, y); }
    COLORREF gradient(int x, int y) const { return window.pattern(x, y); }

    static inline lvtest::PatternedWindow* shared = nullptr;
    lvtest::PatternedWindow& window = *shared;
    std::unique_ptr<lv::win32::TrRadioGroup> group;
};

TEST_F(TrRadioGroupView, ShowsTheParentsPictureAroundItsCirclesAndNeverItsFace)
{
    // Group background and a button's bottom-left corner: the picture one
    // pixel right of and below.
    EXPECT_EQ(screenAt(40 + 2, 30 + 2), gradient(40 + 2 + 1, 30 + 2 + 1));
    EXPECT_EQ(screenAt(40 + 8, 30 + 14 + 17), gradient(40 + 8 + 1, 30 + 14 + 17 + 1));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int drawn = 0;
    for (int y = 0; y < 54; ++y)
        for (int x = 0; x < 23; ++x) {
            const COLORREF c = screenAt(40 + x, 30 + y);
            EXPECT_NE(c, face) << "face colour at " << x << ", " << y;
            if (c != gradient(40 + x + 1, 30 + y + 1))
                ++drawn;
        }
    EXPECT_GT(drawn, 20) << "the two radio circles are drawn";
}

TEST_F(TrRadioGroupView, AClickOnTheSecondButtonChoosesIt)
{
    int clicks = 0;
    group->OnClick = [&] { ++clicks; };
    const HWND second = FindWindowExA(group->handle(), FindWindowExA(group->handle(), nullptr, "BUTTON", nullptr),
                                      "BUTTON", nullptr);
    ASSERT_NE(second, nullptr);
    SendMessageA(group->handle(), WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), reinterpret_cast<LPARAM>(second));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrRadioGroupView, AFailingOnClickIsReportedAndLaterClicksStillCount)
{
    std::vector<std::string> reports;
    lv::win32::setTransparentControlErrorReport([&](const std::string& text) { reports.push_back(text); });
    group->OnClick = [] { throw lv::Error("Unable to write to lumivane3.ini"); };
    const HWND first = FindWindowExA(group->handle(), nullptr, "BUTTON", nullptr);
    const HWND second = FindWindowExA(group->handle(), first, "BUTTON", nullptr);
    SendMessageA(group->handle(), WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), reinterpret_cast<LPARAM>(second));
    SendMessageA(group->handle(), WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(first));
    lv::win32::setTransparentControlErrorReport({});
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

LRESULT CALLBACK recordMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR heard)
{
    if (message == WM_KEYDOWN || message == WM_CHAR)
        reinterpret_cast<std::vector<UINT>*>(heard)->push_back(message);
    return lv::win32::defSubclassProc(window, message, wParam, lParam);
}

TEST_F(TrRadioGroupView, KeysOnAButtonReachTheGroupAndTheArrowsMoveTheChoice)
{
    int clicks = 0;
    group->OnClick = [&] { ++clicks; };
    std::vector<UINT> heard;
    lv::win32::setWindowSubclass(group->handle(), &recordMessage, 1, reinterpret_cast<DWORD_PTR>(&heard));
    const HWND first = FindWindowExA(group->handle(), nullptr, "BUTTON", nullptr);
    const HWND second = FindWindowExA(group->handle(), first, "BUTTON", nullptr);
    SetForegroundWindow(window.handle());
    SetFocus(first);

    const struct {
        HWND on;
        WPARAM key;
        int choice;
    } moves[] = {{first, VK_DOWN, 1}, {second, VK_RIGHT, 0}, {first, VK_UP, 1}, {second, VK_LEFT, 0}};
    for (const auto& move : moves) {
        SendMessageA(move.on, WM_KEYDOWN, move.key, 0);
        EXPECT_EQ(group->ItemIndex(), move.choice) << "key " << move.key;
    }
    EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(clicks, 4);
    SendMessageA(first, WM_CHAR, 'x', 0);
    EXPECT_EQ(heard, (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_KEYDOWN, WM_KEYDOWN, WM_CHAR}));
    lv::win32::removeWindowSubclass(group->handle(), &recordMessage, 1);
}

TEST_F(TrRadioGroupView, PlacesItsButtonsByTheLayoutRule)
{
    const HWND first = FindWindowExA(group->handle(), nullptr, "BUTTON", nullptr);
    RECT r;
    GetWindowRect(first, &r);
    MapWindowPoints(nullptr, group->handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 8);
    EXPECT_EQ(r.right - r.left, 13);
}

} // namespace
