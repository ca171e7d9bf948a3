// The transparent controls' arithmetic: radio-group layout and clamping,
// the see-through step, where the background is taken, and when the
// message watch exists and what makes a control refresh.
#include "controls/TrCtrls.h"

#include <gtest/gtest.h>

namespace {

using lv::Rect;

TEST(TrRadioGroup, LaysOutTwoItemsInOneColumnOfTheSchedulerGroup)
{
    lv::TTrRadioGroup group;
    group.setItems({"1", "2"});
    const auto places = group.layout({23, 54}, 13);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0], (Rect{8, 14, 13, 18}));
    EXPECT_EQ(places[1], (Rect{8, 32, 13, 18}));
}

TEST(TrRadioGroup, SpreadsButtonsOverColumnsAndCentresTheRemainder)
{
    lv::TTrRadioGroup group;
    group.setItems({"a", "b", "c", "d", "e"});
    group.setColumns(2);
    const auto places = group.layout({110, 100}, 10);
    // 3 rows: free height 85 -> rows of 28, 1 pixel left over (none added).
    ASSERT_EQ(places.size(), 5u);
    EXPECT_EQ(places[0], (Rect{8, 11, 50, 28}));
    EXPECT_EQ(places[2], (Rect{8, 67, 50, 28}));
    EXPECT_EQ(places[3], (Rect{58, 11, 50, 28}));
    EXPECT_EQ(places[4], (Rect{58, 39, 50, 28}));
    EXPECT_TRUE(lv::TTrRadioGroup().layout({23, 54}, 13).empty());
}

TEST(TrRadioGroup, ClampsColumnsAndItemIndex)
{
    lv::TTrRadioGroup group;
    group.setColumns(0);
    EXPECT_EQ(group.Columns(), 1);
    group.setColumns(20);
    EXPECT_EQ(group.Columns(), 16);
    group.setItems({"1", "2"});
    group.setItemIndex(5);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_TRUE(group.buttonChecked(1));
    group.setItemIndex(-4);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(group.buttonChecked(0));
    EXPECT_FALSE(group.buttonChecked(1));
}

TEST(TrRadioGroup, FewerItemsPullTheIndexBackAndReadingStoresAsGiven)
{
    lv::TTrRadioGroup group;
    group.setItems({"1", "2", "3"});
    group.setItemIndex(2);
    group.setItems({"1", "2"});
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(group.buttonCount(), 2);

    lv::TTrRadioGroup read;
    read.setReading(true);
    read.setItemIndex(1);
    read.setItems({"1", "2"});
    EXPECT_EQ(read.buttonCount(), 0);
    read.loaded();
    EXPECT_TRUE(read.buttonChecked(1));
}

TEST(TrRadioGroup, AClickedButtonBecomesTheItemIndexAndFiresOnClick)
{
    lv::TTrRadioGroup group;
    group.setItems({"1", "2"});
    int clicks = 0;
    group.OnClick = [&] { ++clicks; };
    group.buttonClicked(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_TRUE(group.buttonChecked(1));
    group.buttonClicked(7);
    EXPECT_EQ(clicks, 1);
    group.setItemIndex(0);
    EXPECT_EQ(clicks, 1) << "setting the index is no click";
}

TEST(Compose, TheForegroundsBottomLeftColourLetsTheBackgroundThrough)
{
    lv::Picture background(3, 2);
    for (int x = 0; x < 3; ++x) {
        background.setPixel(x, 0, 0x100000u * static_cast<unsigned>(x + 1));
        background.setPixel(x, 1, 0x001000u * static_cast<unsigned>(x + 1));
    }
    lv::Picture foreground(3, 2, 0xC0C0C0);
    foreground.setPixel(1, 0, 0x000000); // the radio circle's outline
    const lv::Picture result = lv::compose(background, foreground);
    EXPECT_EQ(result.pixel(0, 0), 0x100000u);
    EXPECT_EQ(result.pixel(1, 0), 0x000000u);
    EXPECT_EQ(result.pixel(2, 1), 0x003000u);
    for (lv::Colour c : result.pixels()) EXPECT_NE(c, 0xC0C0C0u);
}

TEST(Capture, TakesThePictureOnePixelRightAndBelowTheControl)
{
    const Rect control{40, 30, 23, 54};
    EXPECT_EQ(lv::captureClip(control), (Rect{40, 30, 24, 55}));
    EXPECT_EQ(lv::captureSource(control), (lv::Point{41, 31}));
}

TEST(WatchedControls, TheWatchLivesFromTheFirstControlToTheLast)
{
    int installs = 0, removals = 0;
    lv::WatchedControls watched([&] { ++installs; }, [&] { ++removals; });
    watched.add(1);
    watched.add(2);
    watched.add(1);
    EXPECT_EQ(watched.controls(), (std::vector<std::uintptr_t>{1, 2}));
    watched.remove(1);
    watched.remove(3);
    EXPECT_EQ(removals, 0);
    watched.remove(2);
    EXPECT_EQ(installs, 1);
    EXPECT_EQ(removals, 1);
    watched.add(4);
    EXPECT_EQ(installs, 2);
}

TEST(WatchedControls, RefreshFollowsOwnerMessagesAndOverlappingSiblings)
{
    const lv::WatchedWindow w{100, Rect{10, 10, 20, 20}};
    // The owner painted or resized: yes; merely moved: no.
    EXPECT_TRUE(lv::refreshesWatched(15, 100, 1, Rect{0, 0, 500, 500}, w));
    EXPECT_TRUE(lv::refreshesWatched(5, 100, 1, Rect{0, 0, 500, 500}, w));
    EXPECT_FALSE(lv::refreshesWatched(3, 100, 1, Rect{600, 600, 5, 5}, w));
    // A sibling over it, moved or notified: yes; one beside it: no.
    EXPECT_TRUE(lv::refreshesWatched(3, 7, 100, Rect{25, 25, 10, 10}, w));
    EXPECT_TRUE(lv::refreshesWatched(48129 + 10, 7, 100, Rect{0, 0, 11, 11}, w));
    EXPECT_FALSE(lv::refreshesWatched(15, 7, 100, Rect{30, 10, 10, 10}, w));
    // Another window's child, or a message that changes nothing: no.
    EXPECT_FALSE(lv::refreshesWatched(15, 7, 200, Rect{10, 10, 20, 20}, w));
    EXPECT_FALSE(lv::refreshesWatched(0x0200, 100, 1, Rect{10, 10, 20, 20}, w));
}

TEST(TransObject, SwitchingReportsOnlyRealChangesAndAsksForANewBackground)
{
    std::vector<bool> changes;
    lv::TTransObject t([&](bool on) { changes.push_back(on); });
    t.needsCapture = false;
    t.setTransparent(true);
    EXPECT_FALSE(t.needsCapture);
    t.setTransparent(false);
    EXPECT_TRUE(t.needsCapture);
    t.setTransparent(true);
    EXPECT_EQ(changes, (std::vector<bool>{false, true}));
}

TEST(PaintTransparently, TheBackgroundComesFromTheOutermostTransparentContainerAboveTheParent)
{
    // On a plain window: the window itself, which is no transparent control.
    EXPECT_EQ(lv::backgroundContainer({false}), 0u);
    // Inside a group box on a window, or a group box inside another one.
    EXPECT_EQ(lv::backgroundContainer({true, false}), 0u);
    EXPECT_EQ(lv::backgroundContainer({true, true, false}), 1u);
    // A plain panel inside a group box: still the group box's picture.
    EXPECT_EQ(lv::backgroundContainer({false, true, false}), 1u);
    // The run stops at the first plain ancestor.
    EXPECT_EQ(lv::backgroundContainer({true, false, true}), 0u);
}

TEST(TrCheckBox, AClickStepsThroughTheStatesAndEveryChangeIsAClick)
{
    using S = lv::TCheckBoxState;
    lv::TTrCheckBox box;
    std::vector<S> seen;
    int shown = 0;
    box.OnClick = [&] { seen.push_back(box.State()); };
    box.OnStateChanged = [&] { ++shown; };
    box.Toggle();
    box.Toggle();
    EXPECT_EQ(seen, (std::vector<S>{S::cbChecked, S::cbUnchecked}));

    box.setAllowGrayed(true);
    box.Toggle();
    box.Toggle();
    box.Toggle();
    EXPECT_EQ(seen, (std::vector<S>{S::cbChecked, S::cbUnchecked, S::cbGrayed, S::cbChecked, S::cbUnchecked}));

    box.setState(S::cbGrayed);
    box.setChecked(false);
    EXPECT_EQ(box.State(), S::cbUnchecked) << "unchecking a grayed box clears it";
    box.setChecked(false);
    EXPECT_EQ(seen.size(), 7u) << "no change, no click";
    EXPECT_EQ(shown, 7);
    box.setChecked(true);
    EXPECT_TRUE(box.Checked());
}

TEST(TrRadioButton, CheckingTurnsTheSiblingsOffAndClicksOnce)
{
    lv::TTrRadioButton a, b;
    int clicksA = 0, clicksB = 0;
    a.OnClick = [&] { ++clicksA; };
    b.OnClick = [&] { ++clicksB; };
    a.TurnSiblingsOff = [&] { b.setChecked(false); };
    b.TurnSiblingsOff = [&] { a.setChecked(false); };
    a.click();
    b.click();
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    b.click();
    EXPECT_EQ(clicksA, 1);
    EXPECT_EQ(clicksB, 1) << "a click on the checked button is no click";
    b.setChecked(false);
    EXPECT_FALSE(a.Checked()) << "unchecking leaves the siblings alone";
    EXPECT_EQ(clicksB, 1);
}

TEST(TrGroupBox, TheFrameRunsThroughTheCaptionsMiddle)
{
    EXPECT_EQ(lv::TCustomTrGroupBox::frame({120, 80}, 13), (Rect{0, 5, 120, 75}));
    EXPECT_EQ(lv::TCustomTrGroupBox::captionPlace({40, 13}), (Rect{8, 0, 40, 13}));
}

} // namespace
