// The cycle list keeps the Wallpaper modes in step only while it shows the
// Wallpaper list, and names its focused and selected entries.
#include "app/CycleList.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TEST(CycleList, ModesFollowTheEntriesOnlyWhileTheWallpaperListIsShown)
{
    lv::CycleList list;
    list.displayModes = {"1", "2"};
    list.setItems({"C:\\s\\a.wav"});
    list.appendEntry("C:\\s\\b.wav", "0");
    list.eraseEntry(0);
    list.setMode(0, "0");
    EXPECT_EQ(list.displayModes, (Strings{"1", "2"})) << "another item's list leaves the modes alone";
    EXPECT_EQ(list.mode(0), std::nullopt);

    list.setItems({"C:\\p\\a.bmp", "C:\\p\\b.bmp"});
    list.showsWallpaper = true;
    list.insertEntry(1, "C:\\p\\c.bmp", "0");
    list.swapEntries(0, 2);
    EXPECT_EQ(list.items, (Strings{"C:\\p\\b.bmp", "C:\\p\\c.bmp", "C:\\p\\a.bmp"}));
    EXPECT_EQ(list.displayModes, (Strings{"2", "0", "1"}));
    list.eraseEntry(1);
    list.setMode(1, "2");
    list.setMode(5, "2");
    EXPECT_EQ(list.displayModes, (Strings{"2", "2"}));
}

TEST(CycleList, NamesTheFocusedAndTheSelectedEntries)
{
    lv::CycleList list;
    EXPECT_EQ(list.focusedEntry(), std::nullopt);
    list.setItems({"a", "b", "c"});
    list.itemIndex = 1;
    list.selected = {true, false, true};
    EXPECT_EQ(list.focusedEntry(), "b");
    EXPECT_EQ(list.selectedEntries(), (Strings{"a", "c"}));
    list.itemIndex = -1;
    EXPECT_EQ(list.focusedEntry(), std::nullopt);
}

} // namespace
