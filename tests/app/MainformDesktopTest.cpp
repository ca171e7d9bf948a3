// The main window's desktop buttons reach the running system with the
// focused entry, the selector's mode and the item the page shows.
#include "app/MainformFixture.h"

namespace lv::apptest {
namespace {

class MainformDesktopTest : public MainformFixture {};

TEST_F(MainformDesktopTest, ApplyNowSetsTheFocusedWallpaperAndNamesItAsCurrent)
{
    addBitmap("C:\\pics\\sunset.bmp", 64, 48);
    start("[Wallpaper]\r\n0=C:\\pics\\sunset.bmp\r\n[Wallpapercfg]\r\n0=2\r\n");
    // The desktop already shows the program's wallpaper bitmap, as after an earlier Apply.
    fx.registry.setString(RegistryRoot::CurrentUser, "\\Control Panel\\Desktop", "Wallpaper",
                          std::string(ProgramDir) + "LumivaneWallpaper.bmp");
    fx.activeDesktop.present = false;
    click(2);
    select({0});
    form->paperoptions.itemIndex = 2;
    click(15);
    EXPECT_EQ(fx.system.wallpapersSet, (Strings{std::string(ProgramDir) + "LumivaneWallpaper.bmp"}));
    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, "\\Control Panel\\Desktop", "WallpaperStyle"),
              std::optional<std::string>("2"));
    EXPECT_EQ(stored("Master", "currentwall"), "C:\\pics\\sunset.bmp");
    EXPECT_EQ(form->clab2.caption, "sunset.bmp");
}

TEST_F(MainformDesktopTest, SoundButtonsDoNothingBeforeAFileAndQuitReleasesTheDevice)
{
    fx.files.addFile("C:\\sounds\\ding.wav", "RIFF");
    fx.registry.createKey(RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\.Default\\SystemExit");
    start("[.Default\\SystemExit]\r\n0=C:\\sounds\\ding.wav\r\n");
    click(3);
    click(26);
    EXPECT_FALSE(fx.sound.isOpen());
    select({0});
    form->listClick();
    ASSERT_TRUE(fx.sound.isOpen());
    click(26);
    EXPECT_EQ(fx.sound.mode(), PlayerMode::Playing);
    click(27);
    EXPECT_EQ(fx.sound.mode(), PlayerMode::Paused);
    click(28);
    EXPECT_EQ(fx.sound.mode(), PlayerMode::Stopped);
    fx.dialogs.confirmAnswers = {true};
    click(8);
    EXPECT_FALSE(fx.sound.isOpen());
}

TEST_F(MainformDesktopTest, PickingAThemeShowsItsPartsAndABoxChangeStoresThemAll)
{
    fx.files.addFile("C:\\themes\\Sea.theme", "[Theme]");
    start("[Desktop Theme]\r\n0=C:\\themes\\Sea.theme\r\n[Desktop Theme Options]\r\nSea.theme=11101111\r\n");
    click(6);
    select({0});
    form->listClick();
    EXPECT_TRUE(form->t1.checked);
    EXPECT_FALSE(form->t4.checked);
    form->t8.checked = false;
    form->t8Click();
    EXPECT_EQ(stored("Desktop Theme Options", "Sea.theme"), "11101110");
}

TEST_F(MainformDesktopTest, RestoreLogosAsksFirst)
{
    start();
    fx.files.addFile(std::string(ProgramDir) + "logow.bak", "original");
    fx.files.addFile("C:\\windows\\logow.sys", "cycled");
    fx.dialogs.confirmAnswers = {false, true};
    click(17);
    EXPECT_EQ(fx.files.fileText("C:\\windows\\logow.sys"), "cycled");
    click(17);
    EXPECT_EQ(fx.dialogs.confirmations.back(), "Restore all Windows Logos?");
    EXPECT_EQ(fx.files.fileText("C:\\windows\\logow.sys"), "original");
}

TEST_F(MainformDesktopTest, OpenTheSchedulerWindowShowsItFromTheGeneralPage)
{
    start();
    click(20);
    EXPECT_EQ(view.steps.back(), "scheduler");
}

} // namespace
} // namespace lv::apptest
