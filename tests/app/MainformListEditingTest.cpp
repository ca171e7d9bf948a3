// Editing the loaded item's list: the orders of Add, Insert, Delete and the
// moves, the next file number, the display-mode list kept in step, picking
// an entry with its preview, and the display-mode selector.
#include "MainformFixture.h"

#include "base/Error.h"
#include "imaging/ImageTestSupport.h"

namespace {

using namespace lv::apptest;

class ListEditingTest : public MainformFixture {
protected:
    // The Wallpaper page with the given list (display modes "0", "1", ...
    // cycling through the three codes).
    void wallpaperWith(const Strings& files, const std::string& master = "")
    {
        std::string text = "[Master]\r\n" + master + "[Wallpaper]\r\n";
        for (std::size_t i = 0; i < files.size(); ++i)
            text += std::to_string(i) + "=" + files[i] + "\r\n";
        text += "[Wallpapercfg]\r\n";
        for (std::size_t i = 0; i < files.size(); ++i)
            text += std::to_string(i) + "=" + std::to_string(i % 3) + "\r\n";
        start(text);
        click(2);
    }
    void screenSaverWith(const Strings& files)
    {
        std::string text = "[Screen Saver]\r\n";
        for (std::size_t i = 0; i < files.size(); ++i)
            text += std::to_string(i) + "=" + files[i] + "\r\n";
        start(text);
        click(4);
    }
    void choose(const Strings& names) { fx.dialogs.openFilesAnswers.push_back(names); }
};

TEST_F(ListEditingTest, AddAppendsTheChoiceFromItsLastName)
{
    screenSaverWith({"X.scr"});
    select({0});
    form->next.text = "1";
    choose({"A.scr", "B.scr", "C.scr"});
    click(10);
    EXPECT_EQ(form->list.items, (Strings{"X.scr", "C.scr", "B.scr", "A.scr"}));
    EXPECT_EQ(form->list.selected, (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(form->list.itemIndex, 0);
    EXPECT_EQ(form->next.text, "1");
    EXPECT_EQ(form->Label3.caption, "none");
    EXPECT_EQ(fx.dialogs.openFilesRequests.back().filter, "Screen Saver Files|*.scr");
    EXPECT_EQ(fx.dialogs.openFilesRequests.back().title, "");
}

TEST_F(ListEditingTest, InsertPutsTheChoiceReversedInFrontOfTheFocusedEntry)
{
    screenSaverWith({"X.scr", "Y.scr", "Z.scr"});
    select({1, 2});
    form->list.itemIndex = 1;
    choose({"A.scr", "B.scr", "C.scr"});
    click(11);
    EXPECT_EQ(form->list.items, (Strings{"X.scr", "C.scr", "B.scr", "A.scr", "Y.scr", "Z.scr"}));
    EXPECT_EQ(form->list.itemIndex, 1); // now C
    EXPECT_EQ(form->list.selected, (std::vector<bool>{false, false, false, false, true, true}));
}

TEST_F(ListEditingTest, InsertIntoAnEmptyListGivesTheOrderOfAdd)
{
    screenSaverWith({});
    choose({"A.scr", "B.scr", "C.scr"});
    click(11);
    EXPECT_EQ(form->list.items, (Strings{"C.scr", "B.scr", "A.scr"}));
}

TEST_F(ListEditingTest, NamesOutsideTheItemsExtensionsAndEmptyNamesAreSkipped)
{
    screenSaverWith({});
    choose({"a.SCR", "", "b.exe", "C:\\x.scr\\readme", "c.scr"});
    click(10);
    EXPECT_EQ(form->list.items, (Strings{"c.scr", "a.SCR"}));
    choose({});
    click(10); // cancelled
    EXPECT_EQ(form->list.count(), 2);
    EXPECT_TRUE(fx.dialogs.errors.empty());
}

TEST_F(ListEditingTest, EachItemKindOpensItsOwnDialog)
{
    fx.registry.createKey(lv::RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\.Default\\Minimize");
    start();
    const std::pair<int, const char*> pages[] = {{3, lv::SoundFilter}, {5, lv::LogoFilter}, {6, lv::ThemeFilter}};
    for (const auto& [button, filter] : pages) {
        click(button);
        choose({"C:\\f\\x.wav", "C:\\f\\x.sys", "C:\\f\\x.theme", "C:\\f\\x.ico"});
        click(10);
        EXPECT_EQ(fx.dialogs.openFilesRequests.back().filter, filter);
        EXPECT_EQ(form->list.count(), 1) << filter;
    }
}

TEST_F(ListEditingTest, WallpapersWithoutAutomaticModesAreCentredAndPagesNeedActiveDesktop)
{
    fx.activeDesktop.present = false;
    wallpaperWith({"C:\\w\\X.bmp"}, "autopaper=0\r\n");
    choose({"C:\\w\\a.jpg", "C:\\w\\page.htm", "C:\\w\\b.gif"});
    click(10);
    EXPECT_EQ(form->list.items, (Strings{"C:\\w\\X.bmp", "C:\\w\\b.gif", "C:\\w\\a.jpg"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"0", "0", "0"}));
    EXPECT_FALSE(fx.files.fileExists(form->previewBitmap)); // nothing converted

    fx.activeDesktop.present = true;
    wallpaperWith({"C:\\w\\X.bmp"}, "autopaper=0\r\n");
    choose({"C:\\w\\page.htm"});
    click(10);
    EXPECT_EQ(form->list.items, (Strings{"C:\\w\\X.bmp", "C:\\w\\page.htm"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"0", "0"}));
    // Asked at the first add when start-up had not asked yet.
    EXPECT_EQ(fx.dialogs.openFilesRequests.back().title, "Open (Active Desktop support: Yes)");
}

TEST_F(ListEditingTest, AutomaticModesFollowEachPicturesSizeAtItsPosition)
{
    addBitmap("C:\\w\\big.bmp", 1024, 768);
    addBitmap("C:\\w\\small.bmp", 100, 100);
    addBitmap("C:\\w\\tall.bmp", 300, 600);
    wallpaperWith({"C:\\w\\X.bmp", "C:\\w\\Y.bmp"}, "autopaper=1\r\n");
    ASSERT_EQ(form->list.displayModes, (Strings{"0", "1"}));
    form->list.itemIndex = 1;
    choose({"C:\\w\\big.bmp", "C:\\w\\small.bmp", "C:\\w\\tall.bmp"});
    const auto readBefore = fx.files.bytesRead;
    click(11);
    // measured from the headers alone (bitmaps are copied, not read)
    EXPECT_EQ(fx.files.bytesRead - readBefore, 3 * lv::imaging::BitmapHeadersSize);
    EXPECT_EQ(form->list.items,
              (Strings{"C:\\w\\X.bmp", "C:\\w\\tall.bmp", "C:\\w\\small.bmp", "C:\\w\\big.bmp", "C:\\w\\Y.bmp"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"0", "0", "1", "2", "1"}));

    // Written back with the list on leaving the item.
    click(4);
    EXPECT_EQ(stored("Wallpaper", "3"), "C:\\w\\big.bmp");
    EXPECT_EQ(stored("Wallpapercfg", "3"), "2");
}

TEST_F(ListEditingTest, ABatchKeepsTheHourglassAndRepaintsBetweenItsFiles)
{
    for (const char* name : {"C:\\w\\a.jpg", "C:\\w\\b.jpg", "C:\\w\\c.jpg"})
        fx.files.addFile(name, lv::imaging::test::EncodeJpeg(lv::imaging::test::Gradient(8, 8, 3), 8, 8, 3, 80, false));
    wallpaperWith({}, "autopaper=1\r\n");
    choose({"C:\\w\\a.jpg", "C:\\w\\b.jpg", "C:\\w\\c.jpg"});
    form->BitBtn1Click();
    EXPECT_EQ(form->list.count(), 3);
    EXPECT_EQ(fx.ui.arrowsShown, 1); // once, at the end
    EXPECT_FALSE(fx.ui.hourglass);
    EXPECT_EQ(fx.ui.paintsUnderHourglass, 3);
}

TEST_F(ListEditingTest, PicturesTakeTheDepthTheDisplayHadAtStartUp)
{
    fx.files.addFile("C:\\w\\a.jpg", lv::imaging::test::EncodeJpeg(lv::imaging::test::Gradient(8, 8, 3), 8, 8, 3, 80, false));
    fx.screen.bitsPerPixel = 8;
    wallpaperWith({}, "autopaper=1\r\n");
    fx.screen.bitsPerPixel = 32;
    choose({"C:\\w\\a.jpg"});
    form->BitBtn1Click();
    lv::imaging::TBitmap preview;
    preview.LoadFromFile(fx.files, form->previewBitmap);
    EXPECT_EQ(preview.BitsPerPixel(), 8);
}

TEST_F(ListEditingTest, AWallpaperThatCannotBeMeasuredIsCentredAndStopsTheBatch)
{
    fx.files.addFile("C:\\w\\broken.bmp", "not a bitmap");
    addBitmap("C:\\w\\fine.bmp", 100, 100);
    wallpaperWith({}, "autopaper=1\r\n");
    choose({"C:\\w\\fine.bmp", "C:\\w\\broken.bmp"});
    EXPECT_THROW(click(10), lv::Error);
    EXPECT_EQ(form->list.items, (Strings{"C:\\w\\broken.bmp"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"0"}));

    // A picture that cannot be converted is not placed at all.
    fx.files.addFile("C:\\w\\broken.gif", "GIF89a");
    choose({"C:\\w\\broken.gif"});
    EXPECT_THROW(click(10), lv::Error);
    EXPECT_EQ(form->list.count(), 1);
    EXPECT_EQ(form->list.displayModes.size(), 1u);
}

TEST_F(ListEditingTest, DeleteRemovesTheSelectedEntriesAndLowersTheNextNumber)
{
    wallpaperWith({"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"});
    form->next.text = "5";
    select({0, 2, 3});
    form->list.itemIndex = 3;
    click(12);
    EXPECT_EQ(form->list.items, (Strings{"b.bmp", "e.bmp"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"1", "1"}));
    EXPECT_EQ(form->next.text, "2");
    EXPECT_EQ(form->list.itemIndex, 1); // past the end: the last entry

    select({0, 1});
    click(12);
    EXPECT_TRUE(form->list.empty());
    EXPECT_TRUE(form->list.displayModes.empty());
    EXPECT_EQ(form->next.text, "0");
    form->nextMouseMove();
    EXPECT_EQ(form->next.hint, "next file to be used for current item: unknown");
}

TEST_F(ListEditingTest, DeleteInFrontOfTheNextFileKeepsTheNumber)
{
    screenSaverWith({"a.scr", "b.scr", "c.scr", "d.scr"});
    form->next.text = "3";
    select({0});
    click(12);
    EXPECT_EQ(form->next.text, "3");
    form->nextMouseMove();
    EXPECT_EQ(form->next.hint, "next file to be used for current item: d.scr");
    form->list.clearSelection();
    click(12); // nothing selected: nothing removed
    EXPECT_EQ(form->list.count(), 3);
}

TEST_F(ListEditingTest, MoveUpSwapsThePathsAndTheirModes)
{
    wallpaperWith({"C:\\w\\a.bmp", "C:\\w\\b.bmp", "C:\\w\\c.bmp", "C:\\w\\d.bmp"});
    form->next.text = "2";
    select({2});
    click(13);
    EXPECT_EQ(form->list.items, (Strings{"C:\\w\\a.bmp", "C:\\w\\c.bmp", "C:\\w\\b.bmp", "C:\\w\\d.bmp"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"0", "2", "1", "0"}));
    EXPECT_EQ(form->list.itemIndex, 1);
    EXPECT_EQ(form->list.selected, (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(form->Label3.caption, "(2) c.bmp");
    EXPECT_EQ(form->next.text, "2");

    click(14);
    click(14);
    EXPECT_EQ(form->list.items, (Strings{"C:\\w\\a.bmp", "C:\\w\\b.bmp", "C:\\w\\d.bmp", "C:\\w\\c.bmp"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"0", "1", "0", "2"}));
    EXPECT_EQ(form->Label3.caption, "(4) c.bmp");
}

TEST_F(ListEditingTest, ImpossibleMovesDoNothing)
{
    screenSaverWith({"a.scr", "b.scr", "c.scr"});
    const Strings original = form->list.items;
    select({0});
    click(13); // the first entry
    select({2});
    click(14); // the last entry
    select({0, 1});
    form->list.itemIndex = 1;
    click(13); // two selected
    form->list.clearSelection();
    click(14); // none selected
    EXPECT_EQ(form->list.items, original);
    EXPECT_EQ(form->Label3.caption, "none");
}

TEST_F(ListEditingTest, PickShowsThePositionNameAndSelectionCount)
{
    screenSaverWith({"C:\\s\\a.scr", "C:\\s\\b.scr", "C:\\s\\name.ext", "C:\\s\\d.scr", "C:\\s\\e.scr"});
    select({0, 1, 2, 3, 4});
    form->list.itemIndex = 2;
    form->listClick();
    EXPECT_EQ(form->Label3.caption, "(3) name.ext (5 total)");
    select({2});
    form->listClick();
    EXPECT_EQ(form->Label3.caption, "(3) name.ext");

    // Kept when another item is loaded.
    click(6);
    EXPECT_EQ(form->Label3.caption, "(3) name.ext");
}

TEST_F(ListEditingTest, DoubleClickMakesTheEntryTheNextFile)
{
    screenSaverWith({"a.scr", "b.scr", "c.scr", "d.scr"});
    select({3});
    form->listDblClick();
    EXPECT_EQ(form->next.text, "4");

    // An emptied list has the number 0; the focus index is 0, so 1.
    select({0, 1, 2, 3});
    form->BitBtn3Click();
    ASSERT_EQ(form->next.text, "0");
    form->listDblClick();
    EXPECT_EQ(form->next.text, "1");

    click(1);
    form->next.text = "3";
    form->listDblClick(); // not on the General page
    EXPECT_EQ(form->next.text, "3");
}

TEST_F(ListEditingTest, RightButtonTogglesTheSelectionStyleAndClearsTheSelection)
{
    screenSaverWith({"a.scr", "b.scr"});
    select({0, 1});
    form->listMouseDown(false);
    EXPECT_EQ(form->list.selectedCount(), 2);
    EXPECT_TRUE(form->list.extendedSelect);
    form->listMouseDown(true);
    EXPECT_FALSE(form->list.extendedSelect);
    EXPECT_EQ(form->list.selectedCount(), 0);
    EXPECT_EQ(form->list.count(), 2);
    form->listMouseDown(true);
    EXPECT_TRUE(form->list.extendedSelect);
}

TEST_F(ListEditingTest, PickPreviewsAWallpaperFittedInTheFrame)
{
    addBitmap("C:\\w\\wide.bmp", 1024, 768);
    addBitmap("C:\\w\\small.bmp", 100, 100);
    wallpaperWith({"C:\\w\\small.bmp", "C:\\w\\wide.bmp", "C:\\w\\gone.bmp", "C:\\w\\page.htm"}, "preview=1\r\n");
    view.steps.clear();
    select({1});
    form->listClick();
    EXPECT_EQ(view.steps, (Strings{"pic front"}));
    EXPECT_EQ(form->paperoptions.itemIndex, 1);
    EXPECT_EQ(form->dim.text, "1024x768");
    EXPECT_EQ(form->pic.bounds, (lv::Rect{379, 258 + 1, 177, 133})); // 177 / (4/3) = 132.75
    ASSERT_TRUE(form->pic.picture);
    EXPECT_EQ(form->pic.pictureSize, (lv::Size{1024, 768}));

    select({0});
    form->listClick();
    EXPECT_EQ(form->pic.bounds, (lv::Rect{379 + 38, 258 + 18, 100, 100}));
    EXPECT_EQ(form->dim.text, "100x100");
    EXPECT_EQ(form->paperoptions.itemIndex, 0);

    // A missing file keeps the picture; a page shows none.
    select({2});
    form->listClick();
    EXPECT_EQ(form->dim.text, "100x100");
    EXPECT_EQ(form->paperoptions.itemIndex, 2);
    ASSERT_TRUE(form->pic.picture);
    fx.files.addFile("C:\\w\\page.htm", "<html></html>");
    select({3});
    form->listClick();
    EXPECT_FALSE(form->pic.picture);
    EXPECT_EQ(form->dim.text, "");
}

TEST_F(ListEditingTest, WithoutPreviewAPickLeavesTheSelectorAndPicture)
{
    addBitmap("C:\\w\\wide.bmp", 1024, 768);
    wallpaperWith({"C:\\w\\a.bmp", "C:\\w\\wide.bmp"}, "preview=0\r\n");
    select({1});
    form->listClick();
    EXPECT_EQ(form->paperoptions.itemIndex, 0);
    EXPECT_FALSE(form->pic.picture);
    EXPECT_FALSE(form->pic.visible);

    form->preview.checked = true;
    form->previewClick(); // runs the pick at once
    EXPECT_TRUE(form->pic.visible);
    EXPECT_EQ(form->paperoptions.itemIndex, 1);
    EXPECT_EQ(form->dim.text, "1024x768");
    form->preview.checked = false;
    form->previewClick();
    EXPECT_FALSE(form->pic.visible);
}

TEST_F(ListEditingTest, LogoPreviewFillsTheFrame)
{
    addBitmap("C:\\l\\logo.bmp", 320, 400);
    start("[Master]\r\npreview=1\r\n[Startup Logo]\r\n0=C:\\l\\logo.bmp\r\n1=C:\\l\\gone.sys\r\n");
    click(5);
    select({0});
    form->listClick();
    EXPECT_EQ(form->pic.bounds, (lv::Rect{379, 258, 177, 135}));
    EXPECT_EQ(form->pic.pictureSize, (lv::Size{320, 400}));
    EXPECT_EQ(form->dim.text, ""); // only the Wallpaper page shows sizes
    select({1});
    form->listClick(); // missing: not previewed, no error
    EXPECT_EQ(form->pic.pictureSize, (lv::Size{320, 400}));
}

TEST_F(ListEditingTest, PickReadiesAnExistingSoundFile)
{
    fx.registry.createKey(lv::RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\.Default\\Minimize");
    fx.files.addFile("C:\\m\\ding.wav", "RIFF");
    start("[.Default\\Minimize]\r\n0=C:\\m\\ding.wav\r\n1=C:\\m\\gone.wav\r\n");
    click(3);
    select({1});
    form->listClick();
    EXPECT_TRUE(fx.sound.calls.empty());
    select({0});
    form->listClick();
    EXPECT_EQ(fx.sound.openedPath, "C:\\m\\ding.wav");
}

TEST_F(ListEditingTest, SelectorChangesTheFocusedEntryAndSameEverySelectedOne)
{
    wallpaperWith({"a.bmp", "b.bmp", "c.bmp", "d.bmp"});
    ASSERT_EQ(form->list.displayModes, (Strings{"0", "1", "2", "0"}));
    select({1});
    form->paperoptions.itemIndex = 2;
    form->paperoptionsClick();
    EXPECT_EQ(form->list.displayModes, (Strings{"0", "2", "2", "0"}));

    select({0, 2});
    form->paperoptions.itemIndex = 1;
    click(16);
    EXPECT_EQ(form->list.displayModes, (Strings{"1", "2", "1", "0"}));

    form->list.clearSelection();
    form->paperoptions.itemIndex = 0;
    click(16);
    EXPECT_EQ(form->list.displayModes, (Strings{"1", "2", "1", "0"}));
}

TEST_F(ListEditingTest, SelectorChangesNothingForAnotherItem)
{
    start("[Wallpaper]\r\n0=a.bmp\r\n[Wallpapercfg]\r\n0=1\r\n[Screen Saver]\r\n0=a.scr\r\n");
    click(4);
    select({0});
    form->paperoptions.itemIndex = 2;
    form->paperoptionsClick();
    click(16);
    EXPECT_EQ(form->list.displayModes, (Strings{"1"}));
}

} // namespace
