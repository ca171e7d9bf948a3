// Where the main window lands on the screen.
#include "base/Geometry.h"
#include "app/MainFormLayout.h"

#include <gtest/gtest.h>

namespace {

struct CentringCase {
    lv::Size window;
    lv::Rect area;
    lv::Point expected;
};

class Centring : public testing::TestWithParam<CentringCase> {};

TEST_P(Centring, PlacesWindowInTheMiddleOfTheArea)
{
    const auto& c = GetParam();
    EXPECT_EQ(lv::centredOrigin(c.window, c.area), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Centring, testing::Values(
    // The main window on common screens: odd leftovers lose their half pixel.
    CentringCase{lv::MainFormClientSize, {0, 0, 1024, 768}, {216, 171}},
    CentringCase{lv::MainFormClientSize, {0, 0, 800, 600}, {104, 87}},
    CentringCase{lv::MainFormClientSize, {0, 0, 1920, 1080}, {664, 327}},
    CentringCase{{100, 100}, {0, 0, 100, 100}, {0, 0}},
    // An area that does not start at the origin (a second monitor, a work area).
    CentringCase{{200, 100}, {-1280, 50, 1280, 1024}, {-740, 512}},
    // Larger than the area: the top-left corner stays on it, per axis.
    CentringCase{lv::MainFormClientSize, {0, 0, 640, 400}, {24, 0}},
    CentringCase{lv::MainFormClientSize, {10, 20, 500, 300}, {10, 20}}));

TEST(CentringRoundTrip, LeavesEqualMarginsOnEvenLeftovers)
{
    const lv::Rect screen{0, 0, 1024, 768};
    const lv::Size window{590, 426};
    const lv::Point origin = lv::centredOrigin(window, screen);
    EXPECT_EQ(origin.x, screen.width - (origin.x + window.width));
    EXPECT_EQ(origin.y, screen.height - (origin.y + window.height));
}

} // namespace
