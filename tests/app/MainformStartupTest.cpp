// The main window's start-up sequence and its two ways of ending, driven
// through the fakes of the ports.
#include "app/MainView.h"
#include "app/mainform.h"
#include "fakes/FakePlatform.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {

using lv::RegistryRoot;
using Strings = std::vector<std::string>;
constexpr const char* RunKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* Dir = "C:\\Program Files\\Lumivane\\";

class RecordingView : public lv::MainView {
public:
    void shapeWindow() override { steps.push_back("shape"); }
    void setTitle(const std::string& title) override { steps.push_back("title " + title); }
    void sendPaperOptionsToBack() override { steps.push_back("paperoptions back"); }
    void acceptDroppedFiles() override { steps.push_back("accept drops"); }
    void setHintDelay(int ms) override { steps.push_back("hint delay " + std::to_string(ms)); }
    void colourSkinControls() override { steps.push_back("colour"); }
    void refreshControls() override {}
    void endApplication() override { steps.push_back("end"); }
    Strings steps;
};

class MainformTest : public testing::Test {
protected:
    lv::fakes::FakePlatform fx;
    RecordingView view;
    std::unique_ptr<lv::Tmainform> form;
    std::string ini = std::string(Dir) + "lumivane3.ini";
    std::string backup = std::string(Dir) + "lumivanetemp.ini";

    void SetUp() override { fx.registry.createKey(RegistryRoot::LocalMachine, RunKey); }
    bool start()
    {
        form = std::make_unique<lv::Tmainform>(fx.platform(), view);
        return form->FormCreate();
    }
    std::string runValue()
    {
        return fx.registry.stringValue(RegistryRoot::LocalMachine, RunKey, "LumivaneUpdater").value_or("<none>");
    }
};

TEST_F(MainformTest, UpdaterRunningAnsweredYesIsClosedAndStartUpGoesOn)
{
    const auto updater = fx.windows.addWindow("Tmainform", "Lumivane 3 Updater");
    fx.dialogs.confirmAnswers = {true};
    ASSERT_TRUE(start());
    EXPECT_EQ(fx.dialogs.confirmations,
              (Strings{"Lumivane 3 Updater must be shutdown before you can run Lumivane 3 Control Center.  "
                       "Do you want to shutdown the Updater and start the Control Center?"}));
    EXPECT_EQ(fx.windows.closed, (std::vector<lv::WindowHandle>{updater}));
    EXPECT_FALSE(form->ended());
    EXPECT_EQ(view.steps.back(), "colour");
}

TEST_F(MainformTest, UpdaterRunningAnsweredNoEndsBeforeReadingOrCopying)
{
    fx.windows.addWindow("Tmainform", "Lumivane 3 Updater");
    fx.files.addFile(ini, "[Master]\r\nenable=0\r\n");
    fx.dialogs.confirmAnswers = {false};
    EXPECT_FALSE(start());
    EXPECT_TRUE(form->ended());
    EXPECT_TRUE(fx.windows.closed.empty());
    EXPECT_FALSE(fx.files.fileExists(backup));
    EXPECT_TRUE(form->enable.checked);
    EXPECT_EQ(view.steps, (Strings{"end"}));
}

TEST_F(MainformTest, ASecondControlCenterShowsOneErrorAndEnds)
{
    fx.windows.addWindow("Tmainform", "Lumivane 3 Control Center");
    fx.files.addFile(ini, "[Master]\r\nenable=0\r\n");
    fx.files.addFile(backup, "the running one's backup");
    EXPECT_FALSE(start());
    EXPECT_EQ(fx.dialogs.messages, (Strings{"Error: Lumivane 3 Control Center is already running!"}));
    EXPECT_EQ(fx.files.fileText(backup), "the running one's backup");
    EXPECT_EQ(view.steps, (Strings{"end"}));
}

TEST_F(MainformTest, StartUpRunsItsStepsInOrder)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(view.steps, (Strings{"shape", "title Lumivane 3 Control Center", "paperoptions back", "accept drops",
                                   "hint delay 700", "colour"}));
}

TEST_F(MainformTest, FirstRunWithoutAFileKeepsTheInitialOptions)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(form->enable.checked);
    EXPECT_TRUE(form->deletenon.checked);
    EXPECT_TRUE(form->runupd.checked);
    EXPECT_FALSE(form->alwaystray.checked);
    EXPECT_FALSE(form->autopaper.checked);
    EXPECT_FALSE(form->preview.checked);
    EXPECT_FALSE(form->nodupes.checked);
    EXPECT_FALSE(form->scrchange.checked);
    EXPECT_FALSE(form->aitemp.checked);
    EXPECT_EQ(form->dmode.itemIndex, 0);
    EXPECT_EQ(form->loadedItem, "empty");
    EXPECT_FALSE(fx.files.fileExists(backup));
}

TEST_F(MainformTest, OptionsAreReadFromTheFileAndCopiedToTheFolderDialog)
{
    fx.files.addFile(ini, "[Master]\r\nenable=0\r\nalwaystray=1\r\ndragndrop=1\r\nfolderadd=1\r\nnodupes=0\r\n"
                          "[Wallpapercfg]\r\n0=2\r\n1=1\r\n[Wallpaper]\r\n0=C:\\a.bmp\r\n1=C:\\b.bmp\r\n");
    ASSERT_TRUE(start());
    EXPECT_FALSE(form->enable.checked);
    EXPECT_TRUE(form->alwaystray.checked);
    EXPECT_EQ(form->dmode.itemIndex, 1);
    EXPECT_TRUE(form->aitemp.checked);
    EXPECT_TRUE(form->autopaper.checked); // missing key: its own default
    EXPECT_EQ(form->list.displayModes, (Strings{"2", "1"}));
    EXPECT_EQ(fx.files.fileText(backup), fx.files.fileText(ini));

    lv::Taddfolder folder;
    form->attachFolderDialog(folder);
    EXPECT_EQ(folder.addins.itemIndex, 1);
    EXPECT_FALSE(folder.nodupes.checked);
}

TEST_F(MainformTest, RunWideStateIsBuilt)
{
    fx.screen.screenWidth = 1025;
    fx.screen.screenHeight = 767;
    fx.files.setWindowsDirectory("D:\\WINNT");
    fx.activeDesktop.present = true;
    fx.registry.createKey(RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\.Default\\SystemExit");
    ASSERT_TRUE(start());
    EXPECT_EQ(form->halfScreenWidth, 512); // 512.5 goes to the even neighbour
    EXPECT_EQ(form->halfScreenHeight, 384); // 383.5 likewise
    EXPECT_EQ(form->logos.startupLogo, "D:\\logo.sys");
    EXPECT_EQ(form->logos.shutdownLogo2, "D:\\WINNT\\logos.sys");
    EXPECT_EQ(form->asounds.items, (Strings{"SystemExit"}));
    EXPECT_EQ(form->previewBitmap, std::string(Dir) + "LumivaneTemp.bmp");
}

// The window shows before the shell is asked; then it is asked once.
TEST_F(MainformTest, ActiveDesktopIsAskedOnceAfterStartUp)
{
    fx.activeDesktop.present = true;
    ASSERT_TRUE(start());
    EXPECT_EQ(fx.activeDesktop.objectsCreated, 0);
    EXPECT_EQ(form->wallpaperDialogTitle, "Open (Active Desktop support: No)");
    form->checkActiveDesktop();
    form->checkActiveDesktop();
    EXPECT_EQ(fx.activeDesktop.objectsCreated, 1);
    EXPECT_TRUE(form->activeDesktop);
    EXPECT_EQ(form->wallpaperDialogTitle, "Open (Active Desktop support: Yes)");
}

struct IdleCase {
    int seconds;
    const char* shown;
};

class IdleTimeField : public MainformTest, public testing::WithParamInterface<IdleCase> {};

TEST_P(IdleTimeField, ShowsWholeMinutesWithinOneToNinetyNine)
{
    fx.system.timeoutSeconds = GetParam().seconds;
    ASSERT_TRUE(start());
    EXPECT_EQ(form->sswait.text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, IdleTimeField,
                         testing::Values(IdleCase{0, "1"}, IdleCase{30, "1"}, IdleCase{119, "1"}, IdleCase{120, "2"},
                                         IdleCase{7200, "99"}, IdleCase{-60, "1"}));

TEST_F(MainformTest, FirstRunBacksUpTheLogosOnce)
{
    fx.files.addFile("C:\\logo.sys", "start", lv::FileAttr::ReadOnly | lv::FileAttr::Hidden | lv::FileAttr::System);
    fx.files.addFile("C:\\windows\\logow.sys", "wait");
    ASSERT_TRUE(start());
    EXPECT_EQ(fx.files.fileText(std::string(Dir) + "logo.bak"), "start");
    EXPECT_EQ(fx.files.fileText(std::string(Dir) + "logow.bak"), "wait");
    EXPECT_EQ(fx.files.fileText(std::string(Dir) + "logos.bak"), "") << "a logo the system did not have";
    EXPECT_EQ(*fx.files.attributes("C:\\logo.sys") & (lv::FileAttr::ReadOnly | lv::FileAttr::Hidden |
                                                      lv::FileAttr::System),
              lv::FileAttr::Hidden);
    EXPECT_EQ(*fx.files.attributes(std::string(Dir) + "logo.bak") &
                  (lv::FileAttr::ReadOnly | lv::FileAttr::Hidden | lv::FileAttr::System),
              0u);

    // A logo that appears later is not backed up while another backup exists.
    fx.files.addFile("C:\\windows\\logos.sys", "off");
    fx.files.deleteFile(std::string(Dir) + "logow.bak");
    ASSERT_TRUE(start());
    EXPECT_EQ(fx.files.fileText(std::string(Dir) + "logos.bak"), "");
    EXPECT_FALSE(fx.files.fileExists(std::string(Dir) + "logow.bak"));
}

TEST_F(MainformTest, SaveAndExitWritesOptionsRegistersAndStartsTheUpdater)
{
    ASSERT_TRUE(start());
    form->alwaystray.checked = true;
    fx.dialogs.confirmAnswers = {true};
    form->BitBtn4Click();
    EXPECT_EQ(fx.dialogs.confirmations.back(), "Save and Exit?");
    EXPECT_EQ(runValue(), std::string(Dir) + "updater3.exe");
    EXPECT_EQ(fx.profile.readString(ini, "Master", "alwaystray", ""), "1");
    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 1u);
    EXPECT_EQ(fx.shell.shellExecuteCalls[0].file, std::string(Dir) + "updater3.exe");
    EXPECT_TRUE(form->ended());
}

TEST_F(MainformTest, SaveAndExitWithCyclingOffRemovesTheRunValueAndStartsNothing)
{
    fx.registry.setString(RegistryRoot::LocalMachine, RunKey, "LumivaneUpdater", "old");
    fx.files.addFile(ini, "[Screen Savercfg]\r\nmode=0\r\n");
    ASSERT_TRUE(start());
    form->enable.checked = false;
    fx.dialogs.confirmAnswers = {true};
    form->BitBtn4Click();
    EXPECT_EQ(runValue(), "<none>");
    EXPECT_TRUE(fx.system.activeSet.empty());
    EXPECT_TRUE(fx.shell.shellExecuteCalls.empty());
    EXPECT_FALSE(fx.files.fileExists(backup));
}

TEST_F(MainformTest, ScreenSaverIsSwitchedOnByTheModeStoredBeforeTheItemIsWritten)
{
    fx.files.addFile(ini, "[Screen Savercfg]\r\nmode=2\r\n");
    ASSERT_TRUE(start());
    form->category.itemIndex = 0;
    form->itembox.itemIndex = 1;
    form->chooseItem();
    form->itemoptions.itemIndex = 0; // changed on screen, not yet stored
    fx.dialogs.confirmAnswers = {true};
    form->BitBtn4Click();
    EXPECT_TRUE(fx.system.activeSet.empty());
    EXPECT_EQ(fx.profile.readString(ini, "Screen Savercfg", "mode", ""), "0");

    fx.dialogs.confirmAnswers = {true};
    ASSERT_TRUE(start());
    fx.dialogs.confirmAnswers = {true};
    form->BitBtn4Click();
    EXPECT_EQ(fx.system.activeSet, (std::vector<bool>{true}));
}

TEST_F(MainformTest, SaveAndExitSetsTheIdleTimeOnlyWhenTheFieldChanged)
{
    fx.system.timeoutSeconds = 7200;
    ASSERT_TRUE(start());
    fx.dialogs.confirmAnswers = {true};
    form->BitBtn4Click();
    EXPECT_TRUE(fx.system.timeoutsSet.empty());

    ASSERT_TRUE(start());
    form->sswait.text = "5";
    fx.dialogs.confirmAnswers = {true};
    form->BitBtn4Click();
    EXPECT_EQ(fx.system.timeoutsSet, (std::vector<int>{300}));
}

TEST_F(MainformTest, IdleMinutesOutsideTheRangeArePulledInWhenTheFieldIsLeft)
{
    ASSERT_TRUE(start());
    const std::pair<const char*, const char*> cases[] = {
        {"0", "1"}, {"150", "99"}, {"-7", "1"}, {"42", "42"}, {"", ""}, {"abc", "abc"}};
    for (const auto& [typed, left] : cases) {
        form->sswait.text = typed;
        form->sswaitExit();
        EXPECT_EQ(form->sswait.text, left) << typed;
    }
}

TEST_F(MainformTest, AnswerNoChangesNothing)
{
    fx.files.addFile(ini, "[Master]\r\nenable=1\r\n");
    ASSERT_TRUE(start());
    form->enable.checked = false;
    fx.dialogs.confirmAnswers = {false, false};
    form->BitBtn4Click();
    form->BitBtn5Click();
    EXPECT_EQ(fx.dialogs.confirmations, (Strings{"Save and Exit?", "Exit Without Saving?"}));
    EXPECT_FALSE(form->ended());
    EXPECT_TRUE(fx.files.fileExists(backup));
    EXPECT_EQ(fx.files.fileText(ini), "[Master]\r\nenable=1\r\n");
    EXPECT_EQ(runValue(), "<none>");
}

TEST_F(MainformTest, QuitRestoresTheFileAfterARunThatWroteItems)
{
    const std::string original = "[Master]\r\nenable=1\r\n[scheduler]\r\npaper=0\r\n";
    fx.files.addFile(ini, original);
    ASSERT_TRUE(start());
    form->category.itemIndex = 0;
    form->itembox.itemIndex = 0;
    form->chooseItem();
    form->list.setItems({"C:\\a.bmp"});
    form->itembox.itemIndex = 2;
    form->chooseItem();
    fx.profile.writeString(ini, "scheduler", "paper", "1");
    ASSERT_NE(fx.files.fileText(ini), original);
    fx.dialogs.confirmAnswers = {true};
    form->BitBtn5Click();
    EXPECT_EQ(fx.files.fileText(ini), original);
    EXPECT_FALSE(fx.files.fileExists(backup));
    EXPECT_TRUE(form->ended());
}

TEST_F(MainformTest, QuitStartsAgainTheUpdaterThatThisRunClosed)
{
    for (const bool updaterRan : {false, true}) {
        SCOPED_TRACE(updaterRan ? "the Updater ran" : "no Updater ran");
        fx.shell.shellExecuteCalls.clear();
        fx.files.addFile(ini, "[Master]\r\nenable=1\r\n");
        if (updaterRan)
            fx.windows.addWindow("Tmainform", "Lumivane 3 Updater");
        fx.dialogs.confirmAnswers = {true, true};
        ASSERT_TRUE(start());
        fx.profile.writeString(ini, "Master", "enable", "0");
        form->BitBtn5Click();
        EXPECT_EQ(fx.files.fileText(ini), "[Master]\r\nenable=1\r\n") << "put back before the start";
        const Strings started = updaterRan ? Strings{std::string(Dir) + "updater3.exe"} : Strings{};
        Strings files;
        for (const auto& call : fx.shell.shellExecuteCalls)
            files.push_back(call.file);
        EXPECT_EQ(files, started);
    }
}

TEST_F(MainformTest, AProgramFolderThatCannotBeWrittenIsSaidAtStartAndEndsTheRun)
{
    fx.files.addFile(ini, "[Master]\r\nenable=1\r\n");
    fx.files.refuseWritesIn(Dir);
    EXPECT_FALSE(start());
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(fx.dialogs.errors,
              Strings{"Lumivane 3 keeps its settings beside its programs, in C:\\Program Files\\Lumivane, and "
                      "cannot write there. Move the Lumivane 3 folder to a folder you may write to, for example in "
                      "your user profile, and start it again."});
    EXPECT_FALSE(fx.files.fileExists(backup));
}

TEST_F(MainformTest, QuitAfterAFirstRunLeavesWhatTheRunWrote)
{
    ASSERT_TRUE(start());
    form->category.itemIndex = 0;
    form->itembox.itemIndex = 0;
    form->chooseItem();
    form->itembox.itemIndex = 1;
    form->chooseItem();
    fx.dialogs.confirmAnswers = {true};
    form->BitBtn5Click();
    EXPECT_EQ(fx.profile.keyNames(ini, "Wallpapercfg"), (Strings{"mode", "next"}));
}

TEST_F(MainformTest, SaveAndExitKeepsTheBackupUntilTheLoadedItemIsWrittenBack)
{
    fx.files.addFile(ini, "[Master]\r\nenable=1\r\n");
    ASSERT_TRUE(start());
    form->category.itemIndex = 0;
    form->itembox.itemIndex = 0;
    form->chooseItem();
    form->list.setItems({"C:\\a.bmp"});
    fx.profile.failingSection = "Wallpaper";
    fx.dialogs.confirmAnswers = {true};
    EXPECT_THROW(form->BitBtn4Click(), lv::Error);
    EXPECT_EQ(fx.profile.readString(ini, "Master", "alwaystray", "<none>"), "0"); // the options went first
    EXPECT_TRUE(fx.files.fileExists(backup));
    EXPECT_FALSE(form->ended());
}

TEST_F(MainformTest, SaveAndExitStopsAtAFailedWriteWithTheBackupKept)
{
    fx.files.addFile(ini, "[Master]\r\nenable=1\r\n");
    ASSERT_TRUE(start());
    fx.files.setAttributes(ini, lv::FileAttr::ReadOnly);
    fx.dialogs.confirmAnswers = {true};
    EXPECT_THROW(form->BitBtn4Click(), lv::Error);
    EXPECT_FALSE(form->ended());
    EXPECT_TRUE(fx.files.fileExists(backup));
    EXPECT_TRUE(fx.shell.shellExecuteCalls.empty());
}

} // namespace
