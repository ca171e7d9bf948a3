// Which part of the main window's own chrome a click lands on.
#include "app/MainFormLayout.h"

#include <gtest/gtest.h>

namespace {

using lv::ChromePart;

struct HitCase {
    lv::Point at;
    ChromePart expected;
};

class ChromeHitTest : public testing::TestWithParam<HitCase> {};

TEST_P(ChromeHitTest, FindsThePartUnderThePoint)
{
    EXPECT_EQ(lv::chromePartAt(GetParam().at), GetParam().expected)
        << "at (" << GetParam().at.x << ", " << GetParam().at.y << ")";
}

INSTANTIATE_TEST_SUITE_P(Cases, ChromeHitTest, testing::Values(
    // The title strip from its first pixel; the cycler bar and row 0 are not part of it.
    HitCase{{48, 1}, ChromePart::DragBar}, HitCase{{300, 20}, ChromePart::DragBar},
    HitCase{{47, 10}, ChromePart::None}, HitCase{{300, 0}, ChromePart::None},
    HitCase{{300, 21}, ChromePart::None}, HitCase{{200, 200}, ChromePart::None},
    // The title boxes lie on the strip and take precedence over it.
    HitCase{{540, 3}, ChromePart::MinimiseBox}, HitCase{{553, 16}, ChromePart::MinimiseBox},
    HitCase{{554, 3}, ChromePart::DragBar}, HitCase{{555, 10}, ChromePart::DragBar},
    HitCase{{556, 3}, ChromePart::CloseBox}, HitCase{{569, 16}, ChromePart::CloseBox},
    HitCase{{570, 10}, ChromePart::DragBar}, HitCase{{560, 17}, ChromePart::DragBar},
    HitCase{{539, 10}, ChromePart::DragBar}));

TEST(MainFormFrame, TitleBoxesLieInsideTheTitleStripAndClientArea)
{
    for (const lv::Rect& box : {lv::MinimiseBoxRect, lv::CloseBoxRect}) {
        EXPECT_TRUE(lv::DragBarRect.contains({box.left, box.top}));
        EXPECT_TRUE(lv::DragBarRect.contains({box.left + box.width - 1, box.top + box.height - 1}));
        EXPECT_LE(box.left + box.width, lv::MainFormClientSize.width);
    }
}

} // namespace
