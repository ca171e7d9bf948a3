// The three-bitmap button: which picture shows, when it clicks, and how its
// size follows its idle picture.
#include "controls/hbitbtn.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

using lv::MouseButton;
using lv::Picture;
using lv::Thbitbtn;

class RecordingSurface : public lv::ButtonSurface {
public:
    void invalidate(const Thbitbtn&) override { ++invalidated; }
    void repaint(const Thbitbtn&) override { ++repainted; }
    int invalidated = 0;
    int repainted = 0;
};

enum class Shown { Idle, Up, Down, Nothing };

class ButtonTest : public testing::Test {
protected:
    ButtonTest()
    {
        button.setSurface(&surface);
        button.setBitmap_Up(Picture(20, 10, 2));
        button.setBitmap_Down(Picture(20, 10, 3));
        button.setBitmap_Idle(Picture(20, 10, 1));
        button.OnClick = [this] { ++clicks; };
    }

    Shown shown() const
    {
        const Picture* p = button.pictureToPaint();
        if (!p) return Shown::Nothing;
        if (p == &button.Bitmap_Idle()) return Shown::Idle;
        if (p == &button.Bitmap_Up()) return Shown::Up;
        return Shown::Down;
    }

    RecordingSurface surface;
    Thbitbtn button;
    int clicks = 0;
};

TEST_F(ButtonTest, HoverShowsTheUpPictureAndLeavingShowsIdleAgain)
{
    EXPECT_EQ(shown(), Shown::Idle);
    button.mouseEnter();
    EXPECT_EQ(shown(), Shown::Up);
    button.mouseLeave();
    EXPECT_EQ(shown(), Shown::Idle);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, PressDragOutAndBackThenReleaseInsideClicksOnce)
{
    std::vector<Shown> seen;
    button.mouseEnter();
    button.mouseDown(MouseButton::Left, {5, 5});
    seen.push_back(shown());
    button.mouseLeave();
    seen.push_back(shown());
    button.mouseEnter();
    seen.push_back(shown());
    button.mouseUp(MouseButton::Left, {5, 5});
    seen.push_back(shown());
    EXPECT_EQ(seen, (std::vector<Shown>{Shown::Down, Shown::Idle, Shown::Down, Shown::Up}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.pressedState(), Thbitbtn::Released);
}

TEST_F(ButtonTest, ReleaseOutsideAfterAPressDoesNotClick)
{
    button.mouseEnter();
    button.mouseDown(MouseButton::Left, {5, 5});
    button.mouseLeave();
    EXPECT_EQ(button.pressedState(), Thbitbtn::HeldDown);
    button.mouseUp(MouseButton::Left, {40, 40});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button.pressedState(), Thbitbtn::Released);
    button.mouseEnter();
    EXPECT_EQ(shown(), Shown::Up);
}

TEST_F(ButtonTest, OtherMouseButtonsClickWithoutTheDownPicture)
{
    for (MouseButton b : {MouseButton::Right, MouseButton::Middle}) {
        button.mouseEnter();
        button.mouseDown(b, {1, 1});
        EXPECT_EQ(shown(), Shown::Up);
        button.mouseUp(b, {1, 1});
    }
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, MouseEventsFireBeforeThePressedStateChanges)
{
    std::vector<std::string> events;
    button.OnMouseDown = [&](MouseButton, lv::Point at, unsigned) {
        events.push_back("down " + std::to_string(at.x) + " " + std::to_string(button.pressedState()));
    };
    button.OnMouseUp = [&](MouseButton, lv::Point, unsigned) {
        events.push_back("up " + std::to_string(button.pressedState()));
    };
    button.OnClick = [&] { events.push_back("click"); };
    button.mouseEnter();
    button.mouseDown(MouseButton::Left, {7, 2});
    button.mouseUp(MouseButton::Left, {7, 2});
    EXPECT_EQ(events, (std::vector<std::string>{"down 7 0", "up 2", "click"}));
}

TEST_F(ButtonTest, ADisabledButtonTakesNoPressAndNoRelease)
{
    int downs = 0;
    button.OnMouseDown = [&](MouseButton, lv::Point, unsigned) { ++downs; };
    button.setEnabled(false);
    button.mouseEnter();
    button.mouseDown(MouseButton::Left, {1, 1});
    EXPECT_NE(shown(), Shown::Down);
    button.mouseUp(MouseButton::Left, {1, 1});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(downs, 0);
}

TEST_F(ButtonTest, AHeldButtonDisabledOrLosingTheMouseIsReleasedWithoutAClick)
{
    const std::vector<std::pair<const char*, std::function<void()>>> endings = {
        {"disabled", [this] { button.setEnabled(false); }},
        {"mouse lost", [this] { button.cancelPress(); }},
    };
    for (const auto& [name, end] : endings) {
        SCOPED_TRACE(name);
        button.setEnabled(true);
        button.mouseEnter();
        button.mouseDown(MouseButton::Left, {5, 5});
        button.mouseLeave();
        end();
        EXPECT_EQ(button.pressedState(), Thbitbtn::Released);
        button.setEnabled(true);
        button.mouseEnter();
        EXPECT_EQ(shown(), Shown::Up) << "the next hover shows no down picture";
        button.mouseLeave();
    }
    EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, EnterAndLeaveRepaintAtOnce)
{
    const int before = surface.repainted;
    button.mouseEnter();
    button.mouseLeave();
    EXPECT_EQ(surface.repainted, before + 2);
}

TEST_F(ButtonTest, TakesTheSizeOfItsIdlePictureExceptWhileBeingRead)
{
    button.setBounds({10, 20, 50, 50});
    EXPECT_EQ(button.bounds(), (lv::Rect{10, 20, 20, 10}));

    Thbitbtn read;
    read.setLoading(true);
    read.setBitmap_Idle(Picture(90, 30));
    read.setBounds({0, 0, 50, 50});
    EXPECT_EQ(read.bounds().width, 50);
    read.loaded();
    EXPECT_EQ(read.bounds(), (lv::Rect{0, 0, 90, 30}));
    read.setBounds({3, 4, 50, 50});
    EXPECT_EQ(read.bounds(), (lv::Rect{3, 4, 90, 30}));
}

TEST_F(ButtonTest, ANewIdlePictureResizesTheOthersOrEmptiesThem)
{
    Picture up(20, 10);
    up.setPixel(0, 0, 0xABCDEF);
    button.setBitmap_Up(up);
    button.setBitmap_Idle(Picture(30, 12, 1));
    EXPECT_EQ(button.Bitmap_Up().width(), 30);
    EXPECT_EQ(button.Bitmap_Down().height(), 12);
    EXPECT_EQ(button.Bitmap_Up().pixel(0, 0), 0xABCDEFu) << "resizing keeps the picture's top-left part";

    button.setBitmap_Idle(Picture());
    EXPECT_TRUE(button.Bitmap_Up().empty());
    EXPECT_TRUE(button.Bitmap_Down().empty());
    EXPECT_EQ(shown(), Shown::Nothing);
    button.mouseEnter();
    EXPECT_EQ(shown(), Shown::Nothing) << "an empty button draws nothing of its own";
}

TEST_F(ButtonTest, AssignedPicturesAreCopies)
{
    Picture mine(20, 10, 7);
    button.setBitmap_Down(mine);
    mine.setPixel(0, 0, 9);
    EXPECT_EQ(button.Bitmap_Down().pixel(0, 0), 7u);
}

TEST_F(ButtonTest, AcceleratorOfTheCaptionClicksWhenEnabled)
{
    button.setCaption("&Apply");
    EXPECT_TRUE(button.dialogChar('a'));
    EXPECT_FALSE(button.dialogChar('p'));
    button.setEnabled(false);
    EXPECT_FALSE(button.dialogChar('A'));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(lv::acceleratorOf("Save && Exit"), 0);
    EXPECT_EQ(lv::acceleratorOf("Save && E&xit"), 'X');
    EXPECT_EQ(lv::acceleratorOf("End&"), 0);
}

TEST_F(ButtonTest, CaptionMovesOnePixelWhileHeld)
{
    button.mouseEnter();
    EXPECT_EQ(button.captionRect(), (lv::Rect{0, 0, 20, 10}));
    button.mouseDown(MouseButton::Left, {1, 1});
    EXPECT_EQ(button.captionRect(), (lv::Rect{1, 1, 20, 10}));
}

} // namespace
