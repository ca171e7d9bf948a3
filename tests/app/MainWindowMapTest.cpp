// The main window's map as a picture: what a page shows fits the window and
// nothing covers anything else.
#include "app/MainFormLayout.h"
#include "app/MainWindowMap.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

bool overlap(const lv::Rect& a, const lv::Rect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(MainWindowMap, ButtonsShownTogetherNeverCoverEachOtherAndStayInTheWindow)
{
    const auto buttons = lv::mainWindowButtons();
    for (int p = 0; p < lv::PageCount; ++p) {
        const lv::PageSet page = lv::pageBit(static_cast<lv::MainPage>(p));
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const lv::SkinButton& a = buttons[i];
            if (!(a.pages & page))
                continue;
            EXPECT_LE(a.place.left + a.place.width, lv::MainFormClientSize.width) << a.name;
            EXPECT_LE(a.place.top + a.place.height, lv::MainFormClientSize.height) << a.name;
            for (std::size_t j = i + 1; j < buttons.size(); ++j) {
                if (buttons[j].pages & page) {
                    EXPECT_FALSE(overlap(a.place, buttons[j].place)) << a.name << " and " << buttons[j].name;
                }
            }
        }
    }
}

TEST(MainWindowMap, TitleBoxesLieInsideTheTitleStrip)
{
    for (const lv::Rect& box : {lv::MinimiseBoxRect, lv::CloseBoxRect}) {
        EXPECT_TRUE(lv::DragBarRect.contains({box.left, box.top}));
        EXPECT_TRUE(lv::DragBarRect.contains({box.left + box.width - 1, box.top + box.height - 1}));
    }
}

TEST(MainWindowMap, EveryPageHasItsOwnEntry)
{
    for (int p = 0; p < lv::PageCount; ++p)
        EXPECT_EQ(lv::pageEntry(static_cast<lv::MainPage>(p)).page, static_cast<lv::MainPage>(p));
    EXPECT_THROW(lv::skinButton(24), std::out_of_range);
}

} // namespace
