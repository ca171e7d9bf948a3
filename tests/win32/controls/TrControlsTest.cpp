// Transparent check boxes, radio buttons and group boxes on a real window
// with a gradient: the gradient shows through wherever they draw nothing of
// their own, clicks work as on plain controls, the message watch refreshes
// them when the window repaints, and lives only while a control is watched.
#include "controls/win32/TrButton.h"
#include "controls/win32/TrGroupBox.h"
#include "controls/win32/TrSupport.h"
#include "win32/GdiObjects.h"
#include "win32/controls/PatternedWindow.h"

#include "base/Error.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using lv::Rect;
using lv::TCheckBoxState;
using lvtest::pump;

constexpr Rect BoxPlace{20, 20, 90, 17};

class TrControlsView : public testing::Test {
protected:
    // One window for all cases: Wine takes seconds to take a window away
    // when no window manager answers.
    static void SetUpTestSuite() { shared = new lvtest::PatternedWindow(220, 160); }
    static void TearDownTestSuite() { delete shared; }
    void SetUp() override
    {
        window.commands = 0;
        InvalidateRect(window.handle(), nullptr, TRUE);
        pump();
    }

    // Pixels of a control's rectangle that differ from the window's picture
    // taken one pixel right of and below, counted by column range.
    int drawnIn(const Rect& r, int fromX, int toX) const
    {
        const auto shot = window.shot(r.left, r.top, r.width, r.height);
        int drawn = 0;
        for (int y = r.top; y < r.top + r.height; ++y)
            for (int x = r.left + fromX; x < r.left + toX; ++x)
                if (shot.at(x, y) != window.pattern(x + 1, y + 1))
                    ++drawn;
        return drawn;
    }
    bool showsFace(const Rect& r) const
    {
        const auto shot = window.shot(r.left, r.top, r.width, r.height);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        for (const COLORREF c : shot.pixels)
            if (c == face)
                return true;
        return false;
    }
    static void click(HWND control)
    {
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
        SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
        pump();
    }

    static inline lvtest::PatternedWindow* shared = nullptr;
    lvtest::PatternedWindow& window = *shared;
};

TEST_F(TrControlsView, ACheckBoxShowsTheWindowsPictureAroundItsBoxTextAndCheckMark)
{
    lv::win32::TrCheckBox box(window.handle(), BoxPlace, "Daily");
    UpdateWindow(box.handle());
    pump();
    EXPECT_EQ(window.screenAt(BoxPlace.left, BoxPlace.top + BoxPlace.height - 1),
              window.pattern(BoxPlace.left + 1, BoxPlace.top + BoxPlace.height));
    EXPECT_FALSE(showsFace(BoxPlace));
    EXPECT_GT(drawnIn(BoxPlace, 0, 14), 20) << "the box is drawn";
    EXPECT_GT(drawnIn(BoxPlace, 16, BoxPlace.width), 10) << "the caption is written";

    const auto unchecked = window.shot(BoxPlace.left, BoxPlace.top, 14, BoxPlace.height);
    box.setChecked(true);
    pump();
    const auto checked = window.shot(BoxPlace.left, BoxPlace.top, 14, BoxPlace.height);
    int mark = 0;
    for (std::size_t i = 0; i < checked.pixels.size(); ++i)
        if (checked.pixels[i] != unchecked.pixels[i])
            ++mark;
    EXPECT_GT(mark, 6) << "the check mark is drawn";
    EXPECT_FALSE(showsFace(BoxPlace));
}

TEST_F(TrControlsView, ClickingACheckBoxStepsItsStateAndNotifies)
{
    lv::win32::TrCheckBox box(window.handle(), BoxPlace, "Daily", 7);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    click(box.handle());
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(SendMessageA(box.handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(window.commands, 1) << "the window hears of the click too";
    click(box.handle());
    EXPECT_FALSE(box.Checked());

    // With grayed allowed: unchecked, grayed, checked.
    box.setAllowGrayed(true);
    click(box.handle());
    EXPECT_EQ(box.State(), TCheckBoxState::cbGrayed);
    EXPECT_EQ(SendMessageA(box.handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    click(box.handle());
    EXPECT_EQ(box.State(), TCheckBoxState::cbChecked);
    EXPECT_EQ(clicks, 4);

    // A click that ends outside the box is no click.
    SendMessageA(box.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    SendMessageA(box.handle(), WM_LBUTTONUP, 0, MAKELPARAM(500, 8));
    pump();
    EXPECT_EQ(box.State(), TCheckBoxState::cbChecked);
    EXPECT_EQ(clicks, 4);

    // The space bar clicks as the mouse does.
    SendMessageA(box.handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(box.handle(), WM_KEYUP, VK_SPACE, 0);
    pump();
    EXPECT_EQ(box.State(), TCheckBoxState::cbUnchecked);
    EXPECT_EQ(clicks, 5);
}

TEST_F(TrControlsView, AFailingOnClickIsReportedAndTheBoxKeepsWorking)
{
    std::vector<std::string> reports;
    lv::win32::setTransparentControlErrorReport([&](const std::string& text) { reports.push_back(text); });
    lv::win32::TrCheckBox box(window.handle(), BoxPlace, "Daily");
    box.OnClick = [] { throw lv::Error("Unable to write to schedule.ini"); };
    click(box.handle());
    click(box.handle());
    lv::win32::setTransparentControlErrorReport({});
    EXPECT_EQ(reports, (std::vector<std::string>{"Unable to write to schedule.ini", "Unable to write to schedule.ini"}));
    EXPECT_FALSE(box.Checked()) << "both clicks were taken";
    EXPECT_EQ(SendMessageA(box.handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(TrControlsView, CheckingARadioButtonUnchecksItsSiblings)
{
    lv::win32::TrRadioButton first(window.handle(), Rect{20, 20, 80, 17}, "Start-up");
    lv::win32::TrRadioButton second(window.handle(), Rect{20, 40, 80, 17}, "Interval");
    int firstClicks = 0, secondClicks = 0;
    first.OnClick = [&] { ++firstClicks; };
    second.OnClick = [&] { ++secondClicks; };
    first.setChecked(true);
    click(second.handle());
    EXPECT_FALSE(first.Checked());
    EXPECT_EQ(SendMessageA(first.handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(second.Checked());
    click(second.handle());
    EXPECT_EQ(firstClicks, 1);
    EXPECT_EQ(secondClicks, 1) << "a click on the checked button is no click";
    EXPECT_FALSE(showsFace(Rect{20, 20, 80, 17}));
    EXPECT_GT(drawnIn(Rect{20, 40, 80, 17}, 0, 14), 20) << "the circle is drawn";
}

TEST_F(TrControlsView, TheWatchRefreshesAControlWhenItsWindowRepaints)
{
    lv::win32::TrCheckBox box(window.handle(), BoxPlace, "Daily");
    UpdateWindow(box.handle());
    pump();
    window.shiftPattern();
    pump();
    const int bottom = BoxPlace.top + BoxPlace.height - 1;
    EXPECT_EQ(window.screenAt(BoxPlace.left, bottom), window.pattern(BoxPlace.left + 1, bottom + 1));
    EXPECT_EQ(window.screenAt(BoxPlace.left + BoxPlace.width - 1, BoxPlace.top),
              window.pattern(BoxPlace.left + BoxPlace.width, BoxPlace.top + 1));
}

TEST_F(TrControlsView, ItsBackgroundHoldsTheWindowsChildWindowsButNotTheTransparentOnes)
{
    // A dark field just right of the box, another transparent box just
    // below it: the picture is taken one pixel right of and below the box.
    const HWND field = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKRECT,
                                       BoxPlace.left + BoxPlace.width, BoxPlace.top, 10, BoxPlace.height,
                                       window.handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    lv::win32::TrCheckBox below(window.handle(), Rect{BoxPlace.left, BoxPlace.top + BoxPlace.height, 90, 17}, "");
    lv::win32::TrCheckBox box(window.handle(), BoxPlace, "Daily");
    UpdateWindow(window.handle());
    pump();
    const int right = BoxPlace.left + BoxPlace.width - 1, bottom = BoxPlace.top + BoxPlace.height - 1;
    EXPECT_EQ(window.screenAt(right, BoxPlace.top + 5), window.screenAt(right + 1, BoxPlace.top + 6));
    EXPECT_NE(window.screenAt(right + 1, BoxPlace.top + 6), window.pattern(right + 1, BoxPlace.top + 6));
    EXPECT_EQ(window.screenAt(BoxPlace.left + 60, bottom), window.pattern(BoxPlace.left + 61, bottom + 1));
    // Taking the picture again leaves no drawing object behind.
    const int objects = lv::test::liveGdiObjects();
    SendMessageA(box.handle(), lv::TransparentRefreshMessage, 0, 0);
    EXPECT_EQ(lv::test::liveGdiObjects(), objects);
    DestroyWindow(field);
}

TEST_F(TrControlsView, TheWatchLivesWhileAControlIsWatchedAndTransparent)
{
    EXPECT_FALSE(lv::win32::refreshWatchInstalled());
    auto box = std::make_unique<lv::win32::TrCheckBox>(window.handle(), BoxPlace, "Daily");
    auto radio = std::make_unique<lv::win32::TrRadioButton>(window.handle(), Rect{20, 60, 80, 17}, "Interval");
    EXPECT_TRUE(lv::win32::refreshWatchInstalled());
    box.reset();
    EXPECT_TRUE(lv::win32::refreshWatchInstalled());

    // Not transparent: unwatched, and the plain control's face shows.
    radio->setTransparent(false);
    pump();
    EXPECT_FALSE(lv::win32::refreshWatchInstalled());
    EXPECT_TRUE(showsFace(Rect{20, 60, 80, 17}));
    radio->setTransparent(true);
    pump();
    EXPECT_TRUE(lv::win32::refreshWatchInstalled());
    EXPECT_FALSE(showsFace(Rect{20, 60, 80, 17}));
    radio.reset();
    EXPECT_FALSE(lv::win32::refreshWatchInstalled());
}

TEST_F(TrControlsView, AGroupBoxDrawsItsFrameAndCaptionAndLendsItsPictureToTheControlsInside)
{
    const Rect groupPlace{10, 10, 180, 120};
    lv::win32::TrGroupBox group(window.handle(), groupPlace, "Schedule");
    const Rect inside{12, 40, 90, 17};
    lv::win32::TrCheckBox box(group.handle(), inside, "Daily", 3);
    UpdateWindow(window.handle());
    pump();

    // The middle of the box and the corner of the check box inside show the
    // window's picture one pixel right of and below the group box's place.
    EXPECT_EQ(window.screenAt(100, 90), window.pattern(101, 91));
    const int x = groupPlace.left + inside.left, y = groupPlace.top + inside.top + inside.height - 1;
    EXPECT_EQ(window.screenAt(x, y), window.pattern(x + 1, y + 1));
    EXPECT_FALSE(showsFace(groupPlace));
    // The frame's left edge and its caption.
    EXPECT_EQ(drawnIn(Rect{groupPlace.left, groupPlace.top + 30, 1, 80}, 0, 1), 80);
    EXPECT_GT(drawnIn(Rect{groupPlace.left + 8, groupPlace.top, 50, 12}, 0, 50), 20) << "the caption is written";

    click(box.handle());
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(window.commands, 1) << "notifications of the controls inside reach the window";

    // Moved, the box and the control inside show the picture of the new place.
    SetWindowPos(group.handle(), nullptr, 30, 25, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    pump();
    const int movedX = 30 + inside.left, movedY = 25 + inside.top + inside.height - 1;
    EXPECT_EQ(window.screenAt(movedX, movedY), window.pattern(movedX + 1, movedY + 1));
    EXPECT_EQ(window.screenAt(120, 100), window.pattern(121, 101));
}

} // namespace
