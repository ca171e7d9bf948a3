// The transparent radio group on a real window: the parent's picture shows
// through around its circles (taken one pixel right of and below its place),
// its face colour never shows, and clicks choose the item.
#include "controls/win32/TrRadioGroup.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

COLORREF gradient(int x, int y)
{
    return RGB((x * 3) % 256, (y * 4) % 256, 200);
}

void paintGradient(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            SetPixelV(dc, x, y, gradient(x, y));
}

LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PRINTCLIENT:
        paintGradient(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        paintGradient(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
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

class TrRadioGroupView : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA c{};
        c.lpfnWndProc = parentProc;
        c.hInstance = GetModuleHandleA(nullptr);
        c.lpszClassName = "TrRadioGroupTestParent";
        RegisterClassA(&c);
        parent = CreateWindowExA(WS_EX_TOPMOST, c.lpszClassName, "transparent radio group", WS_POPUP | WS_VISIBLE |
                                 WS_CLIPCHILDREN, 100, 100, 120, 120, nullptr, nullptr, c.hInstance, nullptr);
        ASSERT_NE(parent, nullptr);
        group = std::make_unique<lv::win32::TrRadioGroup>(parent, lv::Rect{40, 30, 23, 54});
        group->setItems({"1", "2"});
        group->setItemIndex(0);
        UpdateWindow(parent);
        pump();
    }
    void TearDown() override
    {
        group.reset();
        DestroyWindow(parent);
        pump();
    }
    COLORREF screenAt(int x, int y) const
    {
        POINT p{x, y};
        ClientToScreen(parent, &p);
        const HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return c;
    }

    HWND parent = nullptr;
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
