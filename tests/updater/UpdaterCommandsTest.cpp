// The user's hand on the running Updater: walking back and forth through
// the wallpapers shown, pausing, removing and showing the wallpaper, and the
// hot keys' text.
#include "base/Text.h"
#include "fakes/FakeClock.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSessionState.h"
#include "imaging/Bitmap.h"
#include "updater/HotKeys.h"
#include "updater/UpdaterRun.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;
using lv::UpdaterAction;

constexpr const char* Ini = "C:\\Program Files\\Lumivane\\lumivane3.ini";
constexpr const char* Log = "C:\\Program Files\\Lumivane\\updater3.log";

class FirstRandom : public lv::RandomSource {
public:
    int below(int) override { return 0; }
};

class UpdaterCommandsTest : public testing::Test {
protected:
    lv::fakes::FakePlatform fx;
    lv::fakes::FakeClock clock;
    FirstRandom random;
    lv::fakes::FakeSessionState session;
    lv::ConfigFile config{fx.profile, Ini};

    void SetUp() override
    {
        fx.registry.createKey(lv::RegistryRoot::CurrentUser, "\\Control Panel\\Desktop");
        for (const char* file : {"C:\\p\\a.bmp", "C:\\p\\b.bmp", "C:\\p\\c.bmp"})
            fx.files.addFile(file, lv::imaging::CreateBitmapFile(4, 3, 24, {}, 0));
        config.writeItem("Wallpaper", lv::ModeEnabled, 1, {"C:\\p\\a.bmp", "C:\\p\\b.bmp", "C:\\p\\c.bmp"},
                         {"0", "1", "2"});
    }
    lv::UpdaterRun makeRun() { return lv::UpdaterRun(lv::UpdaterPorts{fx.platform(), clock, random, true, session}); }
    std::string ini(const std::string& section, const std::string& key)
    {
        return fx.profile.readString(Ini, section, key, "<none>");
    }
    std::string shown() { return ini("Master", "currentwall"); }
    std::string desktop(const char* value)
    {
        return fx.registry.stringValue(lv::RegistryRoot::CurrentUser, "\\Control Panel\\Desktop", value).value_or("");
    }
    void repeatEveryTenMinutes()
    {
        config.writeInteger("scheduler", "paper", 1);
        config.writeInteger("scheduler", "papertime", 10);
    }
};

TEST_F(UpdaterCommandsTest, PreviousWalksBackAndNextForwardBeforeTheListGoesOn)
{
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.changeAll();
    run.nextWallpaper();
    run.nextWallpaper();
    ASSERT_EQ(shown(), "C:\\p\\c.bmp");
    run.previousWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\b.bmp");
    EXPECT_EQ(desktop("TileWallpaper"), "1") << "b's display mode came back with it";
    run.previousWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\a.bmp");
    const std::size_t changes = fx.system.wallpapersSet.size();
    run.previousWallpaper();
    EXPECT_EQ(fx.system.wallpapersSet.size(), changes) << "nothing before the first";
    EXPECT_EQ(ini("Wallpapercfg", "next"), "1") << "the history leaves the list's place alone";

    run.nextWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\b.bmp");
    run.nextWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\c.bmp");
    EXPECT_EQ(ini("Wallpapercfg", "next"), "1");
    run.nextWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\a.bmp") << "the list went on";
    EXPECT_EQ(ini("Wallpapercfg", "next"), "2");
    EXPECT_EQ(run.trayTip(), "Lumivane 3 Updater\na.bmp");
}

TEST_F(UpdaterCommandsTest, TheWallpaperShownAtStartIsTheFirstToComeBack)
{
    config.writeString("Master", "currentwall", "C:\\p\\c.bmp");
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.changeAll();
    ASSERT_EQ(shown(), "C:\\p\\a.bmp");
    run.previousWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\c.bmp");
    EXPECT_EQ(desktop("WallpaperStyle"), "2");
}

TEST_F(UpdaterCommandsTest, ARefusedWallpaperKeepsItsPlaceAndAMissingOneIsPassedOver)
{
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.changeAll();
    run.nextWallpaper();
    const std::string bitmap = "C:\\Program Files\\Lumivane\\LumivaneWallpaper.bmp";
    fx.files.setAttributes(bitmap, lv::FileAttr::ReadOnly);
    run.previousWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\b.bmp");
    fx.files.setAttributes(bitmap, lv::FileAttr::Normal);
    run.previousWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\a.bmp") << "one step back, not two";
    fx.files.deleteFile("C:\\p\\b.bmp");
    run.nextWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\c.bmp") << "the list went on";
}

TEST(WallpaperHistoryTest, KeepsTheLastFiftyAndForgetsAFileEverywhere)
{
    lv::WallpaperHistory history;
    for (int i = 0; i < 60; ++i)
        history.shown({"C:\\" + std::to_string(i % 3) + "-" + std::to_string(i) + ".bmp", 0});
    int back = 0;
    while (history.previous())
        ++back;
    EXPECT_EQ(back, 49);
    EXPECT_EQ(history.current()->file, "C:\\1-10.bmp");

    lv::WallpaperHistory walk;
    for (const char* file : {"a", "b", "a", "c"})
        walk.shown({file, 0});
    walk.previous(); // a
    walk.forget("a");
    EXPECT_EQ(walk.current()->file, "b") << "back to the entry before the one forgotten";
    EXPECT_EQ(walk.next()->file, "c");
    EXPECT_FALSE(walk.next());
}

TEST_F(UpdaterCommandsTest, RemoveWhileInTheHistoryDropsTheFileAndShowsTheNextOne)
{
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.changeAll();
    run.nextWallpaper();
    run.previousWallpaper();
    ASSERT_EQ(shown(), "C:\\p\\a.bmp");
    run.removeThisPicture();
    EXPECT_EQ(config.readItem("Wallpaper").files, (Strings{"C:\\p\\b.bmp", "C:\\p\\c.bmp"}));
    EXPECT_EQ(config.readDisplayModes(), (Strings{"1", "2"}));
    EXPECT_TRUE(fx.files.fileExists("C:\\p\\a.bmp")) << "the file stays on disk";
    EXPECT_EQ(shown(), "C:\\p\\b.bmp");
    run.previousWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\b.bmp") << "the removed file does not come back";
}

TEST_F(UpdaterCommandsTest, RemovingAFileRenumbersTheListAndKeepsWhatComesNext)
{
    struct Case {
        Strings files;
        int next;
        const char* removed;
        Strings keptFiles;
        Strings keptModes;
        int keptNext;
    };
    const Case cases[] = {
        {{"a", "b", "c"}, 3, "a", {"b", "c"}, {"1", "2"}, 2},   // before "next": it moves down
        {{"a", "b", "c"}, 2, "b", {"a", "c"}, {"0", "2"}, 2},   // "next" itself: the file after it
        {{"a", "b", "c"}, 3, "c", {"a", "b"}, {"0", "1"}, 1},   // the last and next: round to the first
        {{"a", "b", "a"}, 3, "a", {"b"}, {"1"}, 1},             // every entry of the file
        {{"a", "b", "c"}, 1, "x", {"a", "b", "c"}, {"0", "1", "2"}, 1}, // not listed: nothing written
    };
    for (const Case& c : cases) {
        config.writeItem("Wallpaper", lv::ModeEnabledRandom, c.next, c.files, {"0", "1", "2"});
        EXPECT_EQ(lv::removeFromList(config, "Wallpaper", c.removed), c.keptFiles.size() != c.files.size());
        const lv::ItemSettings item = config.readItem("Wallpaper");
        EXPECT_EQ(item.files, c.keptFiles) << c.removed;
        EXPECT_EQ(config.readDisplayModes(), c.keptModes) << c.removed;
        EXPECT_EQ(item.next, c.keptNext) << c.removed;
        EXPECT_EQ(item.mode, lv::ModeEnabledRandom);
    }
}

TEST_F(UpdaterCommandsTest, ADueChangeWaitsForResumeAndHappensOnceThen)
{
    repeatEveryTenMinutes();
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.startChanges();
    run.toggle(UpdaterAction::PauseChanges);
    EXPECT_EQ(ini("Master", "paused"), "1");
    EXPECT_EQ(run.trayTip(), "Lumivane 3 Updater\na.bmp\nPaused");
    run.nextWallpaper();
    EXPECT_EQ(shown(), "C:\\p\\b.bmp") << "commands still work";
    clock.advanceMinutes(35);
    run.onClock();
    EXPECT_EQ(shown(), "C:\\p\\b.bmp");
    EXPECT_EQ(run.untilNextChange(), std::nullopt) << "no timer runs while paused";

    const std::size_t changes = fx.system.wallpapersSet.size();
    run.toggle(UpdaterAction::PauseChanges);
    EXPECT_EQ(ini("Master", "paused"), "0");
    EXPECT_EQ(fx.system.wallpapersSet.size(), changes + 1) << "the change due while paused, once";
    run.onClock();
    EXPECT_EQ(fx.system.wallpapersSet.size(), changes + 1);
    EXPECT_EQ(run.untilNextChange(), 600'000);
}

TEST_F(UpdaterCommandsTest, APauseLastsAcrossARestartAndTheStartChangeWaitsForItsEnd)
{
    config.writeBool("Master", "paused", true);
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.startChanges();
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
    EXPECT_TRUE(run.checked(UpdaterAction::PauseChanges));
    run.toggle(UpdaterAction::PauseChanges);
    EXPECT_EQ(shown(), "C:\\p\\a.bmp");
    EXPECT_EQ(fx.system.wallpapersSet.size(), 1u);
}

TEST_F(UpdaterCommandsTest, BatteryAndFullScreenHoldChangesOnlyWhileTheirOptionIsOn)
{
    struct Case {
        bool battery, fullScreen, pauseOnBattery, pauseForFullScreen, held;
        const char* tip;
    };
    const Case cases[] = {
        {true, false, true, true, true, "Paused on battery"},
        {false, true, true, true, true, "Paused for full screen"},
        {true, false, false, true, false, ""},
        {false, true, true, false, false, ""},
        {false, false, true, true, false, ""},
    };
    for (const Case& c : cases) {
        config.writeBool("Master", "pausebattery", c.pauseOnBattery);
        config.writeBool("Master", "pausefullscreen", c.pauseForFullScreen);
        repeatEveryTenMinutes();
        session.battery = session.fullScreen = false;
        auto run = makeRun();
        ASSERT_TRUE(run.begin());
        run.startChanges();
        const std::string before = shown();
        session.battery = c.battery;
        session.fullScreen = c.fullScreen;
        clock.advanceMinutes(10);
        run.onClock();
        EXPECT_EQ(shown() == before, c.held) << c.tip;
        if (!c.held)
            continue;
        EXPECT_EQ(run.trayTip(), "Lumivane 3 Updater\n" + lv::fileNameOnly(before) + "\n" + c.tip);
        EXPECT_EQ(run.untilNextChange(), lv::HeldChangeRecheckMs) << "looked at again: no notice comes everywhere";
        session.battery = session.fullScreen = false;
        run.onClock();
        EXPECT_NE(shown(), before) << "once the condition ends";
    }
}

TEST_F(UpdaterCommandsTest, ShowThisPictureOpensExplorerWithTheFileSelected)
{
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.changeAll();
    run.showThisPicture();
    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 1u);
    EXPECT_EQ(fx.shell.shellExecuteCalls[0].file, "explorer.exe");
    EXPECT_EQ(fx.shell.shellExecuteCalls[0].parameters, "/select,\"C:\\p\\a.bmp\"");
}

TEST(HotKeyTest, ReadsModifiersAndOneKey)
{
    struct Case {
        const char* text;
        std::optional<lv::HotKey> key;
    };
    using lv::HotKey;
    const Case cases[] = {
        {"Ctrl+Alt+PageDown", HotKey{lv::HotKeyCtrl | lv::HotKeyAlt, 0x22}},
        {" alt + shift + pgup ", HotKey{lv::HotKeyAlt | lv::HotKeyShift, 0x21}},
        {"Win+n", HotKey{lv::HotKeyWin, 'N'}},
        {"Control+7", HotKey{lv::HotKeyCtrl, '7'}},
        {"Ctrl+F1", HotKey{lv::HotKeyCtrl, 0x70}},
        {"Ctrl+F24", HotKey{lv::HotKeyCtrl, 0x87}},
        {"Ctrl+F25", std::nullopt},
        {"Ctrl+F0", std::nullopt},
        {"Ctrl+Left", HotKey{lv::HotKeyCtrl, 0x25}},
        {"Shift+N", std::nullopt}, // would take capitals from typing
        {"N", std::nullopt},
        {"Ctrl+Ctrl+N", std::nullopt},
        {"Ctrl+Alt+", std::nullopt},
        {"Ctrl+Hyper+N", std::nullopt},
        {"Ctrl+NN", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lv::parseHotKey(c.text), c.key) << c.text;
}

TEST_F(UpdaterCommandsTest, HotKeysComeFromTheirKeysAndBadTextIsLogged)
{
    auto defaults = makeRun();
    ASSERT_TRUE(defaults.begin());
    ASSERT_EQ(defaults.hotKeys().size(), 2u);
    EXPECT_EQ(defaults.hotKeys()[0].command->id, 102);
    EXPECT_EQ(defaults.hotKeys()[0].text, "Ctrl+Alt+PageDown");
    EXPECT_EQ(defaults.hotKeys()[1].command->id, 105);

    config.writeString("Master", "hotkeynext", "Ctrl+Q+Z");
    config.writeString("Master", "hotkeyprev", "");
    auto edited = makeRun();
    ASSERT_TRUE(edited.begin());
    EXPECT_TRUE(edited.hotKeys().empty());
    EXPECT_NE(fx.files.fileText(Log).find("Next Wallpaper: \"Ctrl+Q+Z\" in hotkeynext is no hot key"), std::string::npos);
}

} // namespace
