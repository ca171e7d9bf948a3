// Files dropped on the list and the folder dialog's import: their orders,
// the loaded item's rules, and leaving out duplicates.
#include "MainformFixture.h"

namespace {

using namespace lv::apptest;

class ImportTest : public MainformFixture {
protected:
    void loadScreenSavers(const Strings& files)
    {
        std::string text = "[Screen Saver]\r\n";
        for (std::size_t i = 0; i < files.size(); ++i)
            text += std::to_string(i) + "=" + files[i] + "\r\n";
        start(text);
        click(4);
    }
};

TEST_F(ImportTest, DroppedFilesAreAppendedReversedOrInsertedInTheirOrder)
{
    loadScreenSavers({"X.scr"});
    form->dmode.itemIndex = 0;
    form->WMDropFiles({"A.scr", "B.scr", "C.scr"});
    EXPECT_EQ(form->list.items, (Strings{"X.scr", "C.scr", "B.scr", "A.scr"}));

    loadScreenSavers({"X.scr", "Y.scr", "Z.scr"});
    form->list.itemIndex = 1;
    form->dmode.itemIndex = 1;
    form->WMDropFiles({"A.scr", "B.scr", "C.scr"});
    EXPECT_EQ(form->list.items, (Strings{"X.scr", "A.scr", "B.scr", "C.scr", "Y.scr", "Z.scr"}));
    EXPECT_EQ(form->next.text, "1");
}

TEST_F(ImportTest, ADroppedNameIsTakenWhole)
{
    loadScreenSavers({});
    const std::string longPath = "C:\\" + std::string(300, 'd') + "\\saver.scr";
    form->WMDropFiles({longPath, "C:\\folder"});
    EXPECT_EQ(form->list.items, (Strings{longPath}));
}

TEST_F(ImportTest, DropsFollowTheLoadedItemsRules)
{
    fx.activeDesktop.present = false;
    start("[Master]\r\nautopaper=0\r\n");
    click(2);
    form->WMDropFiles({"C:\\a.jpg", "C:\\page.htm"});
    EXPECT_EQ(form->list.items, (Strings{"C:\\a.jpg"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"0"}));

    fx.activeDesktop.present = true;
    start("[Master]\r\nautopaper=0\r\n");
    click(2);
    form->dmode.itemIndex = 1;
    form->WMDropFiles({"C:\\a.jpg", "C:\\page.htm"});
    EXPECT_EQ(form->list.items, (Strings{"C:\\a.jpg", "C:\\page.htm"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"0", "0"}));

    click(5);
    form->WMDropFiles({"C:\\a.ico", "C:\\b.GIF", "C:\\c.wav"});
    EXPECT_EQ(form->list.items, (Strings{"C:\\b.GIF"}));
    EXPECT_EQ(form->list.displayModes.size(), 2u); // only the Wallpaper list has modes
}

TEST_F(ImportTest, DroppedSoundsTakeOnlyWaveFiles)
{
    fx.registry.createKey(lv::RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\.Default\\Minimize");
    start();
    click(3);
    form->WMDropFiles({"C:\\a.wav", "C:\\b.mp3", "C:\\c.WAV"});
    EXPECT_EQ(form->list.items, (Strings{"C:\\c.WAV", "C:\\a.wav"}));
}

class FolderImportTest : public ImportTest {
protected:
    void SetUp() override
    {
        fx.files.addFile("C:\\pics\\b.jpg", "b");
        fx.files.addFile("C:\\pics\\a.jpg", "a");
        fx.files.addFile("C:\\pics\\notes.txt", "n");
        fx.files.addFile("C:\\pics\\C.BMP", "c");
        fx.files.addFile("C:\\pics\\hidden.jpg", "h", lv::FileAttr::Hidden);
        fx.files.addFile("C:\\pics\\system.jpg", "s", lv::FileAttr::System);
        fx.files.addFolder("C:\\pics\\sub.jpg");
    }
    void openWallpaperFolder(const Strings& files)
    {
        std::string text = "[Master]\r\nautopaper=0\r\n[Wallpaper]\r\n";
        for (std::size_t i = 0; i < files.size(); ++i)
            text += std::to_string(i) + "=" + files[i] + "\r\n";
        start(text);
        click(2);
        folder.setFolder("C:\\pics");
    }
};

TEST_F(FolderImportTest, TheFileListHoldsTheMatchingOrdinaryFilesSortedIgnoringCase)
{
    openWallpaperFolder({});
    EXPECT_EQ(folder.Label1.caption, "C:\\pics");
    EXPECT_EQ(folder.FileListBox1.items, (Strings{"a.jpg", "b.jpg", "C.BMP"}));
    folder.FilterComboBox1.itemIndex = 2; // Jpeg Images
    folder.FilterComboBox1Change();
    EXPECT_EQ(folder.FileListBox1.items, (Strings{"a.jpg", "b.jpg"}));
}

TEST_F(FolderImportTest, AddAppendsInListOrderAndInsertReversesInFrontOfTheFocus)
{
    openWallpaperFolder({"C:\\X.bmp"});
    folder.FilterComboBox1.itemIndex = 2;
    folder.FilterComboBox1Change();
    folder.addins.itemIndex = 0;
    folder.Button1Click();
    EXPECT_EQ(form->list.items, (Strings{"C:\\X.bmp", "C:\\pics\\a.jpg", "C:\\pics\\b.jpg"}));
    EXPECT_EQ(form->list.displayModes, (Strings{"0", "0", "0"}));

    openWallpaperFolder({"C:\\X.bmp"});
    folder.addins.itemIndex = 1;
    folder.Button1Click();
    EXPECT_EQ(form->list.items, (Strings{"C:\\pics\\C.BMP", "C:\\pics\\b.jpg", "C:\\pics\\a.jpg", "C:\\X.bmp"}));
    EXPECT_EQ(form->list.displayModes.size(), 4u);
}

TEST_F(FolderImportTest, NoDuplicatesComparesTheLettersAToZWithoutCase)
{
    openWallpaperFolder({"C:\\Pics\\A.JPG"});
    folder.addins.itemIndex = 0;
    folder.nodupes.checked = true;
    folder.Button1Click();
    EXPECT_EQ(form->list.items, (Strings{"C:\\Pics\\A.JPG", "C:\\pics\\b.jpg", "C:\\pics\\C.BMP"}));

    openWallpaperFolder({"C:\\Pics\\A.JPG"});
    folder.nodupes.checked = false;
    folder.Button1Click();
    EXPECT_EQ(form->list.items,
              (Strings{"C:\\Pics\\A.JPG", "C:\\pics\\a.jpg", "C:\\pics\\b.jpg", "C:\\pics\\C.BMP"}));

    // Candidates are not compared with each other, and an empty list keeps all.
    openWallpaperFolder({});
    folder.nodupes.checked = true;
    folder.Button1Click();
    folder.Button1Click();
    EXPECT_EQ(form->list.count(), 3);
}

TEST_F(FolderImportTest, AFileGoneSinceTheListingIsLeftOut)
{
    openWallpaperFolder({});
    fx.files.deleteFile("C:\\pics\\b.jpg");
    folder.Button1Click();
    EXPECT_EQ(form->list.items, (Strings{"C:\\pics\\a.jpg", "C:\\pics\\C.BMP"}));
}

TEST_F(FolderImportTest, ShowingTheDialogListsTheFolderAgain)
{
    openWallpaperFolder({});
    fx.files.addFile("C:\\pics\\new.gif", "g");
    click(30);
    EXPECT_EQ(folder.FileListBox1.items, (Strings{"a.jpg", "b.jpg", "C.BMP", "new.gif"}));
    EXPECT_EQ(view.steps.back(), "folder dialog");
}

TEST_F(FolderImportTest, CaptionTellsWhetherActiveDesktopIsThere)
{
    fx.activeDesktop.present = false;
    start();
    EXPECT_EQ(folder.Caption, "Add/Insert Folder (Active Desktop support: No)");
    fx.activeDesktop.present = true;
    start();
    EXPECT_EQ(folder.Caption, "Add/Insert Folder (Active Desktop support: Yes)");
}

} // namespace
