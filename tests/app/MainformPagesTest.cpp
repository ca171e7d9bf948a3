// The main window's pages: what each shows, what switching writes and
// loads, the item combo boxes and the skinned buttons.
#include "MainformFixture.h"

#include "base/Error.h"

namespace {

using lv::MainPage;
using lv::RegistryRoot;
using namespace lv::apptest;

constexpr const char* ThreeWallpapers = "[Wallpaper]\r\n0=C:\\p\\a.jpg\r\n1=C:\\p\\b.bmp\r\n2=C:\\p\\c.gif\r\n"
                                        "[Wallpapercfg]\r\nmode=0\r\nnext=2\r\n0=2\r\n1=1\r\n2=0\r\n"
                                        "[Screen Saver]\r\n0=C:\\s\\one.scr\r\n"
                                        "[Screen Savercfg]\r\nmode=1\r\nnext=1\r\n";

class PagesTest : public MainformFixture {
protected:
    void addSoundEvents()
    {
        fx.registry.createKey(RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\.Default\\SystemExit");
        fx.registry.createKey(RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\.Default\\Minimize");
    }
};

TEST_F(PagesTest, WallpaperToScreenSaverWritesThePathsWithTheirModesThenLoads)
{
    start(ThreeWallpapers);
    click(2);
    EXPECT_EQ(form->loadedItem, "Wallpaper");
    EXPECT_EQ(form->list.items, (Strings{"C:\\p\\a.jpg", "C:\\p\\b.bmp", "C:\\p\\c.gif"}));
    EXPECT_EQ(form->paperoptions.itemIndex, 2); // the first file's mode
    EXPECT_TRUE(form->paperoptions.enabled);
    form->list.displayModes[1] = "2";
    form->itemoptions.itemIndex = 1;

    click(4);
    EXPECT_EQ(keys("Wallpaper"), (Strings{"0", "1", "2"}));
    EXPECT_EQ(keys("Wallpapercfg"), (Strings{"mode", "next", "0", "1", "2"}));
    EXPECT_EQ(stored("Wallpapercfg", "mode"), "1");
    EXPECT_EQ(stored("Wallpapercfg", "next"), "2");
    EXPECT_EQ(stored("Wallpapercfg", "1"), "2");
    EXPECT_EQ(stored("Wallpaper", "2"), "C:\\p\\c.gif");
    EXPECT_EQ(form->loadedItem, "Screen Saver");
    EXPECT_EQ(form->list.items, (Strings{"C:\\s\\one.scr"}));
    EXPECT_EQ(form->itemoptions.itemIndex, 1);
    EXPECT_FALSE(form->paperoptions.enabled);
    EXPECT_TRUE(form->list.selectedCount() == 0);
}

TEST_F(PagesTest, GeneralWritesNothingAndTheNextCyclerPageWritesTheLoadedItem)
{
    start(ThreeWallpapers);
    click(2);
    form->list.append("C:\\p\\d.jpg");
    form->list.displayModes.push_back("1");
    const std::string before = fx.files.fileText(ini);

    click(1);
    EXPECT_EQ(fx.files.fileText(ini), before);
    EXPECT_FALSE(form->listPage);
    EXPECT_FALSE(form->itemoptions.enabled);
    EXPECT_TRUE(form->enable.visible);
    EXPECT_FALSE(form->list.visible);
    EXPECT_EQ(form->loadedItem, "Wallpaper");

    click(6);
    EXPECT_EQ(stored("Wallpaper", "3"), "C:\\p\\d.jpg");
    EXPECT_EQ(stored("Wallpapercfg", "3"), "1");
    EXPECT_EQ(form->loadedItem, "Desktop Theme");
    EXPECT_TRUE(form->listPage);
    EXPECT_FALSE(form->wallpaperPage);
    EXPECT_TRUE(form->t1.visible && form->t8.visible);
}

TEST_F(PagesTest, ThePageShownAgainRenumbersItsKeysFromZero)
{
    start("[Screen Saver]\r\n1=C:\\s\\b.scr\r\n0=C:\\s\\a.scr\r\n");
    click(4);
    EXPECT_EQ(keys("Screen Saver"), (Strings{"1", "0"}));
    click(4);
    EXPECT_EQ(keys("Screen Saver"), (Strings{"0", "1"}));
    EXPECT_EQ(stored("Screen Saver", "0"), "C:\\s\\a.scr");
    EXPECT_EQ(stored("Screen Savercfg", "mode"), "2");
}

TEST_F(PagesTest, SoundsPageLoadsTheFirstLabelTwice)
{
    addSoundEvents();
    start("[Master]\r\nenable=1\r\n");
    click(3);
    // Loaded through itembox, then written back and loaded through asounds.
    EXPECT_EQ(form->loadedItem, ".Default\\Minimize");
    EXPECT_EQ(stored(".Default\\Minimizecfg", "mode"), "2");
    EXPECT_EQ(stored(".Default\\Minimizecfg", "next"), "1");
    EXPECT_EQ(form->itemoptions.itemIndex, 2);
    EXPECT_EQ(form->next.text, "1");
    EXPECT_TRUE(form->list.empty());
    EXPECT_TRUE(form->name2.visible);
    EXPECT_EQ(form->name2.caption, ".Default\\Minimize");
    EXPECT_TRUE(form->asounds.visible);
    EXPECT_TRUE(form->wavplay.enabled);

    form->asounds.itemIndex = 1;
    form->asoundsClick();
    EXPECT_EQ(form->loadedItem, ".Default\\SystemExit");
    EXPECT_EQ(form->itembox.itemIndex, 1);

    click(2);
    EXPECT_FALSE(form->wavplay.enabled);
    EXPECT_FALSE(form->name2.visible);
}

TEST_F(PagesTest, WithNoSoundEventsTheListStaysWithTheLoadedItemAndOnlyShrinksInStep)
{
    start(ThreeWallpapers);
    click(2);
    click(3);
    EXPECT_EQ(form->itembox.itemIndex, -1);
    EXPECT_EQ(form->asounds.itemIndex, -1);
    EXPECT_EQ(form->loadedItem, "Wallpaper");
    ASSERT_EQ(form->list.count(), 3);

    click(10); // no dialog: the fake would throw on one
    EXPECT_TRUE(fx.dialogs.openFilesRequests.empty());
    select({0});
    click(12);
    EXPECT_EQ(form->list.displayModes, (Strings{"1", "0"}));
    click(2);
    EXPECT_EQ(keys("Wallpapercfg"), (Strings{"mode", "next", "0", "1"}));
    EXPECT_EQ(stored("Wallpapercfg", "0"), "1");
}

TEST_F(PagesTest, AFailedWriteBackKeepsTheListWithItsItemAndItsModesInStep)
{
    start(ThreeWallpapers);
    click(2);
    fx.files.setAttributes(ini, lv::FileAttr::ReadOnly);
    try {
        click(4);
        FAIL() << "the write-back must fail";
    }
    catch (const lv::Error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini);
    }
    EXPECT_EQ(form->loadedItem, "Wallpaper");
    EXPECT_EQ(form->itembox.text(), "Screen Saver");
    EXPECT_EQ(form->list.count(), 3);

    // The list is not the Screen Saver's: nothing is added to it, and what
    // is removed takes its display mode along.
    click(10);
    EXPECT_TRUE(fx.dialogs.openFilesRequests.empty());
    select({2});
    click(12);
    EXPECT_EQ(form->list.displayModes, (Strings{"2", "1"}));

    fx.files.setAttributes(ini, lv::FileAttr::Normal);
    click(4);
    EXPECT_EQ(keys("Wallpapercfg"), (Strings{"mode", "next", "0", "1"}));
    EXPECT_EQ(form->loadedItem, "Screen Saver");
}

TEST_F(PagesTest, ModesOutsideTheChoicesAreClampedAndWrittenAsShown)
{
    start("[Screen Savercfg]\r\nmode=5\r\n[Desktop Themecfg]\r\nmode=-3\r\n");
    click(4);
    EXPECT_EQ(form->itemoptions.itemIndex, 2);
    click(6);
    EXPECT_EQ(stored("Screen Savercfg", "mode"), "2");
    EXPECT_EQ(form->itemoptions.itemIndex, -1);
    click(6);
    EXPECT_EQ(stored("Desktop Themecfg", "mode"), "-1");
}

TEST_F(PagesTest, LogoPageChoosesAnotherLogoThroughItsComboBox)
{
    start("[Startup Logo]\r\n0=C:\\l\\boot.sys\r\n[Shutdown Logo 2]\r\n0=C:\\l\\off.bmp\r\n");
    form->preview.checked = true;
    click(5);
    EXPECT_EQ(form->loadedItem, "Startup Logo");
    EXPECT_TRUE(form->itembox.visible);
    EXPECT_EQ(form->itembox.items, (Strings{"Startup Logo", "Shutdown Logo 1", "Shutdown Logo 2"}));
    EXPECT_TRUE(form->pic.visible);
    form->list.items[0] = "C:\\l\\other.sys";

    form->itembox.itemIndex = 2;
    form->itemboxClick();
    EXPECT_EQ(stored("Startup Logo", "0"), "C:\\l\\other.sys");
    EXPECT_EQ(form->loadedItem, "Shutdown Logo 2");
    EXPECT_EQ(form->list.items, (Strings{"C:\\l\\off.bmp"}));
}

TEST_F(PagesTest, EachPageShowsItsOwnControlsOnly)
{
    addSoundEvents();
    start();
    form->preview.checked = true;
    struct Shown {
        MainPage page;
        bool itembox, asounds, sswait, autopaper, dim, preview, pic, t1;
    };
    const Shown table[] = {
        {MainPage::General, false, false, false, false, false, false, false, false},
        {MainPage::Wallpaper, false, false, false, true, true, true, true, false},
        {MainPage::Sounds, false, true, false, false, false, false, false, false},
        {MainPage::ScreenSaver, false, false, true, false, false, false, false, false},
        {MainPage::Logo, true, false, false, false, false, true, true, false},
        {MainPage::Theme, false, false, false, false, false, false, false, true},
    };
    for (const Shown& s : table) {
        form->showPage(s.page);
        const bool cycler = s.page != MainPage::General;
        SCOPED_TRACE(static_cast<int>(s.page));
        EXPECT_EQ(form->itembox.visible, s.itembox);
        EXPECT_EQ(form->asounds.visible, s.asounds);
        EXPECT_EQ(form->sswait.visible, s.sswait);
        EXPECT_EQ(form->autopaper.visible, s.autopaper);
        EXPECT_EQ(form->dim.visible, s.dim);
        EXPECT_EQ(form->preview.visible, s.preview);
        EXPECT_EQ(form->pic.visible, s.pic);
        EXPECT_EQ(form->t1.visible, s.t1);
        EXPECT_EQ(form->enable.visible, !cycler);
        EXPECT_EQ(form->list.visible, cycler);
        EXPECT_EQ(form->clab2.visible, cycler);
        EXPECT_EQ(form->Label3.visible, cycler);
        EXPECT_FALSE(form->category.visible);
        EXPECT_FALSE(form->wavplay.visible);
        EXPECT_EQ(form->shownPage, s.page);
        EXPECT_EQ(form->listPage, cycler);
        EXPECT_EQ(form->wallpaperPage, s.page == MainPage::Wallpaper);
    }
}

TEST_F(PagesTest, TheFolderDialogTakesTheFilterOfEachCyclerPage)
{
    addSoundEvents();
    start();
    EXPECT_EQ(folder.filter, "All files (*.*)|*.*");
    click(5);
    EXPECT_EQ(folder.filter, lv::LogoFilter);
    EXPECT_EQ(folder.FilterComboBox1.items,
              (Strings{"Bmp/Jpg/Gif/Sys Images", "Bitmap Images", "Jpeg Images", "Gif Images", "Pre-made (.sys) Logos"}));
    EXPECT_EQ(folder.FilterComboBox1.itemIndex, 0);
    click(1);
    EXPECT_EQ(folder.filter, lv::LogoFilter);
    const std::pair<int, const char*> pages[] = {{2, lv::WallpaperFilter}, {3, lv::SoundFilter},
                                                 {4, lv::ScreenSaverFilter}, {6, lv::ThemeFilter}};
    for (const auto& [button, filter] : pages) {
        click(button);
        EXPECT_EQ(folder.filter, filter);
    }
}

TEST_F(PagesTest, ListButtonsDoNothingOnTheGeneralPage)
{
    fx.activeDesktop.present = false;
    start(ThreeWallpapers);
    click(2);
    click(1);
    select({0, 1});
    click(10);
    click(11);
    click(12);
    EXPECT_TRUE(fx.dialogs.openFilesRequests.empty());
    EXPECT_EQ(form->list.count(), 3);

    click(2);
    fx.dialogs.openFilesAnswers = {{}};
    click(10);
    ASSERT_EQ(fx.dialogs.openFilesRequests.size(), 1u);
    EXPECT_EQ(fx.dialogs.openFilesRequests[0].title, "Open (Active Desktop support: No)");
    EXPECT_EQ(fx.dialogs.openFilesRequests[0].filter, lv::WallpaperFilter);
}

// The buttons no other test reaches: each click has its own visible result.
TEST_F(PagesTest, SkinnedButtonsReachTheirActions)
{
    fx.files.addFile("C:\\s\\one.scr", "MZ");
    fx.files.addFile("C:\\t\\Sea.theme", "[Theme]");
    fx.files.addFile("C:\\t\\Sky.theme", "[Theme]");
    addSoundEvents();
    start(std::string(ThreeWallpapers) + "[Desktop Theme]\r\n0=C:\\t\\Sea.theme\r\n1=C:\\t\\Sky.theme\r\n");
    const auto help = fx.windows.addWindow("Thelpform", "Lumivane 3 Help");
    fx.dialogs.confirmAnswers = {false, false};
    click("closebut");
    click(9);
    click(23);
    click("minbut");
    EXPECT_EQ(fx.dialogs.confirmations, (Strings{"Exit Without Saving?"}));
    EXPECT_EQ(fx.windows.closed, (std::vector<lv::WindowHandle>{help}));
    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 1u);
    EXPECT_EQ(fx.shell.shellExecuteCalls[0].file, form->programDirectory + "lumivane3help.exe");
    EXPECT_EQ(view.steps, (Strings{"paperoptions back", "about box", "minimise"}));

    click(4);
    select({0});
    click(18);
    click(19);
    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 2u);
    EXPECT_EQ(fx.shell.shellExecuteCalls[1].file, "C:\\s\\one.scr");
    ASSERT_EQ(fx.shell.winExecCalls.size(), 1u);

    click(6);
    select({0});
    click(22);
    click(21);
    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 4u);
    EXPECT_EQ(fx.shell.shellExecuteCalls[2].file, "C:\\t\\Sea.theme");
    EXPECT_NE(fx.shell.shellExecuteCalls[3].verb, fx.shell.shellExecuteCalls[2].verb); // apply, not preview
    select({0, 1});
    form->t2.checked = false;
    click(29);
    EXPECT_EQ(stored("Desktop Theme Options", "Sky.theme"), stored("Desktop Theme Options", "Sea.theme"));
    EXPECT_EQ(stored("Desktop Theme Options", "Sky.theme").substr(1, 1), "0");

    click(3);
    fx.dialogs.confirmAnswers = {false};
    click(25);
    EXPECT_EQ(fx.dialogs.confirmations.back(), "Restore all Windows Sounds?");
}

} // namespace
