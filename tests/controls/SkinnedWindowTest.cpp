// Window outlines traced from skin pictures, and the drag-strip rule.
#include "controls/SkinnedWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lv::Point;

constexpr lv::Colour Key = 0xFF00FF;

// A skin drawn as text rows: '.' is the key colour, anything else skin.
lv::Picture skin(const std::vector<std::string>& rows, int height)
{
    lv::Picture p(static_cast<int>(rows[0].size()), height, 0x404040);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
            if (rows[y][x] == '.') p.setPixel(x, y, Key);
    return p;
}

std::vector<Point> trace(const lv::Picture& p, lv::Size control)
{
    return lv::traceMainWindowOutline([&](int x, int y) { return p.pixel(x, y); }, p.width(), control);
}

TEST(MainWindowOutline, FollowsTheLeftEdgeTwoPixelsInThenTheFixedPointsThenTheCorner)
{
    const lv::Picture p = skin({".....####..",
                                "...######..",
                                "..........."}, // a row of key colour only: no point
                               150);
    const auto points = trace(p, {12, 150});
    // Rows 3..130 are skin from column 0: the outline sits at column 2 there.
    ASSERT_EQ(points.size(), 2u + 128u + 4u + 5u + 1u);
    EXPECT_EQ(points[0], (Point{7, 0}));
    EXPECT_EQ(points[1], (Point{5, 1}));
    EXPECT_EQ(points[2], (Point{2, 3}));
    EXPECT_EQ(points[129], (Point{2, 130}));
    EXPECT_EQ(points[130], (Point{0, 145}));
    EXPECT_EQ(points[131], (Point{0, 150}));
    EXPECT_EQ(points[132], (Point{12, 150}));
    EXPECT_EQ(points[133], (Point{12, 6}));
    // Rows 5 down to 0 from the right: last skin pixel of each row; row 2 has none.
    EXPECT_EQ(points[134], (Point{10, 5}));
    EXPECT_EQ(points[136], (Point{10, 3}));
    EXPECT_EQ(points[137], (Point{8, 1}));
    EXPECT_EQ(points[138], (Point{8, 0}));
    EXPECT_EQ(points.back(), (Point{2, 0}));
}

TEST(MainWindowOutline, TheLastColumnIsNotScannedFromTheLeft)
{
    // Only the picture's last column differs in row 0: no point for it on the left.
    lv::Picture p(6, 140, 0x101010);
    for (int x = 0; x < 5; ++x) p.setPixel(x, 0, Key);
    p.setPixel(0, 0, Key);
    const auto points = trace(p, {6, 140});
    EXPECT_EQ(points[0], (Point{2, 1}));
    // From the right, row 0's last column is found.
    EXPECT_EQ(points[points.size() - 2], (Point{5, 0}));
}

TEST(MainWindowOutline, KeyColourIsThePictureTopLeftPixel)
{
    lv::Picture p(8, 140, 0x123456);
    p.setPixel(0, 0, 0x777777);
    for (int y = 1; y < 140; ++y) p.setPixel(0, y, 0x777777);
    const auto points = trace(p, {8, 140});
    EXPECT_EQ(points[0], (Point{3, 0}));
}

TEST(Octagon, CutsEveryCornerByFivePixels)
{
    EXPECT_EQ(lv::octagonOutline({483, 243}),
              (std::vector<Point>{{5, 0}, {0, 5}, {0, 238}, {5, 243}, {478, 243}, {483, 238}, {483, 5}, {478, 0}}));
}

TEST(DragStrip, MovesByTheCursorsWayFromThePressedPointUntilReleased)
{
    lv::DragStrip strip;
    EXPECT_FALSE(strip.move({30, 9}).has_value()) << "no drag before a press";
    strip.press({20, 5});
    EXPECT_EQ(strip.move({50, 15}), (Point{30, 10}));
    EXPECT_FALSE(strip.move({20, 5}).has_value());
    strip.release();
    EXPECT_FALSE(strip.move({50, 15}).has_value());
}

TEST(DragStrip, APressOnTheFirstColumnOrRowLeavesThatAxisStill)
{
    lv::DragStrip strip;
    strip.press({0, 5});
    EXPECT_EQ(strip.move({40, 8}), (Point{0, 3}));
    strip.press({12, 0});
    EXPECT_EQ(strip.move({15, 9}), (Point{3, 0}));
}

} // namespace
