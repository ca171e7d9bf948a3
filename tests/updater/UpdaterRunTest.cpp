// The Updater's run over a fake system: what each item's change does to the
// desktop, the options it follows, what it reports, and the wait for the
// Control Center.
#include "fakes/FakeClock.h"
#include "fakes/FakePlatform.h"
#include "imaging/Bitmap.h"
#include "imaging/GifTestSupport.h"
#include "updater/ControlCenterWait.h"
#include "updater/UpdaterRun.h"

#include <gtest/gtest.h>

namespace {

using lv::RegistryRoot;
using Strings = std::vector<std::string>;

constexpr const char* Program = "C:\\Program Files\\Lumivane\\";
constexpr const char* Ini = "C:\\Program Files\\Lumivane\\lumivane3.ini";
constexpr const char* Log = "C:\\Program Files\\Lumivane\\updater3.log";
constexpr const char* Bitmap = "C:\\Program Files\\Lumivane\\LumivaneWallpaper.bmp";
constexpr const char* Desktop = "\\Control Panel\\Desktop";
constexpr const char* Event = "\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";

class CountingRandom : public lv::RandomSource {
public:
    int below(int count) override { return calls++ % count; }
    int calls = 0;
};

class UpdaterRunTest : public testing::Test {
protected:
    lv::fakes::FakePlatform fx;
    lv::fakes::FakeClock clock;
    CountingRandom random;
    lv::ConfigFile config{fx.profile, Ini};

    void SetUp() override
    {
        fx.registry.createKey(RegistryRoot::CurrentUser, Desktop);
        fx.registry.createKey(RegistryRoot::CurrentUser, Event);
        fx.registry.createKey(RegistryRoot::CurrentUser, "\\SOFTWARE\\Microsoft\\Plus!\\Themes\\Apply");
    }
    void picture(const std::string& path, std::uint32_t width = 4, std::uint32_t height = 3)
    {
        fx.files.addFile(path, lv::imaging::CreateBitmapFile(width, height, 24, {}, 0));
    }
    lv::UpdaterRun makeRun() { return lv::UpdaterRun(lv::UpdaterPorts{fx.platform(), clock, random, true}); }
    std::string ini(const std::string& section, const std::string& key)
    {
        return fx.profile.readString(Ini, section, key, "<none>");
    }
    Strings logLines()
    {
        Strings lines;
        const std::string text = fx.files.fileExists(Log) ? fx.files.fileText(Log) : "";
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
};

TEST_F(UpdaterRunTest, EnableOffEndsWithoutChangingAnything)
{
    config.writeBool("Master", "enable", false);
    config.writeItem("Wallpaper", lv::ModeEnabled, 1, {"C:\\a.bmp"});
    picture("C:\\a.bmp");
    const std::string before = fx.files.fileText(Ini);
    auto run = makeRun();
    EXPECT_FALSE(run.begin());
    EXPECT_EQ(fx.files.fileText(Ini), before);
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
    EXPECT_FALSE(fx.files.fileExists(Log));
}

TEST_F(UpdaterRunTest, StartChangesEveryItemOnTheSystem)
{
    picture("C:\\pics\\a.bmp");
    picture("C:\\pics\\tall.bmp", 10, 40);
    fx.files.addFile("C:\\savers\\flying.scr", "MZ");
    fx.files.addFile("C:\\themes\\Sea.theme", "[Theme]");
    fx.files.addFile("C:\\logos\\ready.sys", "LOGO");
    fx.files.addFile("C:\\waves\\ding.wav", "RIFF");
    config.writeItem("Wallpaper", lv::ModeEnabled, 1, {"C:\\pics\\a.bmp"}, {"2"});
    config.writeItem("Screen Saver", lv::ModeEnabled, 1, {"C:\\savers\\flying.scr"});
    config.writeItem("Desktop Theme", lv::ModeEnabled, 1, {"C:\\themes\\Sea.theme"});
    config.writeThemeFlags("Sea.theme", "11101111");
    config.writeItem("Startup Logo", lv::ModeEnabled, 1, {"C:\\pics\\tall.bmp"});
    config.writeItem("Shutdown Logo 1", lv::ModeEnabledRandom, 1, {"C:\\logos\\ready.sys"});
    config.writeItem(".Default\\SystemStart", lv::ModeEnabled, 1, {"C:\\waves\\ding.wav"});

    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.changeAll();

    EXPECT_EQ(fx.system.wallpapersSet, Strings{Bitmap});
    EXPECT_EQ(fx.system.lastingWallpapers, std::vector<bool>{true}) << "stored past logoff";
    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, Desktop, "WallpaperStyle"), "2");
    EXPECT_EQ(ini("Master", "currentwall"), "C:\\pics\\a.bmp");

    EXPECT_EQ(fx.profile.readString("C:\\windows\\system.ini", "boot", "SCRNSAVE.EXE", ""), "C:\\savers\\flying.scr");
    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, Desktop, "SCRNSAVE.EXE"), "C:\\savers\\flying.scr");

    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 1u);
    EXPECT_EQ(fx.shell.shellExecuteCalls[0].verb, "Apply Settings");
    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, "\\SOFTWARE\\Microsoft\\Plus!\\Themes\\Apply",
                                      "Desktop wallpaper"),
              "0");

    lv::imaging::TBitmap logo;
    logo.LoadFromStream(*fx.files.readFile("C:\\logo.sys"));
    EXPECT_EQ(logo.Width(), 320);
    EXPECT_EQ(logo.Height(), 400);
    EXPECT_EQ(logo.BitsPerPixel(), 8);
    EXPECT_TRUE(*fx.files.attributes("C:\\logo.sys") & lv::FileAttr::Hidden);
    EXPECT_EQ(fx.files.fileText("C:\\windows\\logow.sys"), "LOGO");
    EXPECT_EQ(ini("Startup Logolast", "last"), "C:\\pics\\tall.bmp");
    EXPECT_EQ(ini("Shutdown Logo 1last", "last"), "C:\\logos\\ready.sys");

    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, Event, ""), "C:\\waves\\ding.wav");
    EXPECT_EQ(logLines().size(), 6u);
    EXPECT_EQ(run.trayTip(), "Lumivane 3 Updater\n.Default\\SystemStart: ding.wav");
}

TEST_F(UpdaterRunTest, ABrokenPictureIsLoggedWithItsMessageAndTheNextFileUsed)
{
    fx.files.addFile("C:\\pics\\bad.gif", std::string("GIF88a\x01\x00\x01\x00", 10));
    picture("C:\\pics\\b.bmp");
    config.writeBool("Master", "deletenon", false);
    config.writeItem("Wallpaper", lv::ModeEnabled, 1, {"C:\\pics\\bad.gif", "C:\\pics\\b.bmp"});
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.changeAll();
    EXPECT_EQ(ini("Master", "currentwall"), "C:\\pics\\b.bmp");
    const Strings lines = logLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "T+1000000  Wallpaper: cannot use C:\\pics\\bad.gif: Gif Version must be 87a or 89a");
    EXPECT_EQ(lines[1], "T+1000000  Wallpaper: C:\\pics\\b.bmp");
    EXPECT_TRUE(fx.dialogs.errors.empty());
}

TEST_F(UpdaterRunTest, TheLogKeepsItsLastTwoHundredLines)
{
    picture("C:\\a.bmp");
    config.writeItem("Wallpaper", lv::ModeEnabled, 1, {"C:\\a.bmp"});
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    for (int i = 0; i < 230; ++i) {
        clock.milliseconds += 1000;
        run.nextWallpaper();
    }
    const Strings lines = logLines();
    ASSERT_EQ(lines.size(), 200u);
    EXPECT_EQ(lines.back(), "T+1000230  Wallpaper: C:\\a.bmp");
    EXPECT_EQ(lines.front(), "T+1000031  Wallpaper: C:\\a.bmp");
}

TEST_F(UpdaterRunTest, ARunningScreenSaverDelaysTheChangeUnlessScrchange)
{
    fx.files.addFile("C:\\s.scr", "MZ");
    config.writeItem("Screen Saver", lv::ModeEnabled, 1, {"C:\\s.scr"});
    const auto saver = [&] { return fx.profile.readString("C:\\windows\\system.ini", "boot", "SCRNSAVE.EXE", ""); };
    fx.system.saverRunning = true;
    {
        auto run = makeRun();
        ASSERT_TRUE(run.begin());
        run.changeAll();
        EXPECT_EQ(saver(), "");
        EXPECT_TRUE(run.changeWaiting());
        run.retryWaitingChange();
        EXPECT_EQ(saver(), "") << "still running";
        fx.system.saverRunning = false;
        run.retryWaitingChange();
        EXPECT_EQ(saver(), "C:\\s.scr");
        EXPECT_FALSE(run.changeWaiting());
    }
    fx.system.saverRunning = true;
    config.writeBool("Master", "scrchange", true);
    fx.profile.writeString("C:\\windows\\system.ini", "boot", "SCRNSAVE.EXE", "old");
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.changeAll();
    EXPECT_EQ(saver(), "C:\\s.scr");
}

TEST_F(UpdaterRunTest, AnIntervalChangesAgainAndAWakeUpCatchesUpOnce)
{
    picture("C:\\a.bmp");
    picture("C:\\b.bmp");
    config.writeItem("Wallpaper", lv::ModeEnabled, 1, {"C:\\a.bmp", "C:\\b.bmp"});
    config.writeInteger("scheduler", "paper", 1);
    config.writeInteger("scheduler", "papertime", 1);
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.changeAll();
    EXPECT_EQ(run.untilNextChange(), 60'000);
    clock.advanceMinutes(0.5);
    run.onClock();
    EXPECT_EQ(fx.system.wallpapersSet.size(), 1u);
    clock.advanceMinutes(0.5);
    run.onClock();
    EXPECT_EQ(ini("Master", "currentwall"), "C:\\b.bmp");
    clock.advanceMinutes(600);
    run.onClock();
    run.onClock();
    EXPECT_EQ(fx.system.wallpapersSet.size(), 3u);
}

TEST_F(UpdaterRunTest, TrayTipNamesTheLastChangeWithinWhatATipHolds)
{
    EXPECT_EQ(lv::trayTipText(""), "Lumivane 3 Updater");
    const std::string tip = lv::trayTipText("Wallpaper: " + std::string(80, 'x') + ".jpg");
    EXPECT_EQ(tip.size(), lv::TrayTipLimit);
    EXPECT_EQ(tip.substr(tip.size() - 3), "...");
}

TEST(ControlCenterWaitTest, WaitsUpToThirtySecondsForTheControlCenterToGo)
{
    lv::fakes::FakeTopLevelWindows windows;
    lv::fakes::FakeClock clock;
    using Verdict = lv::ControlCenterWait::Verdict;
    EXPECT_EQ(lv::ControlCenterWait(windows, clock).check(), Verdict::Go);

    const auto window = windows.addWindow("Tmainform", "Lumivane 3 Control Center");
    lv::ControlCenterWait wait(windows, clock);
    EXPECT_EQ(wait.check(), Verdict::Wait);
    clock.milliseconds += 29'999;
    EXPECT_EQ(wait.check(), Verdict::Wait);
    clock.milliseconds += 1;
    EXPECT_EQ(wait.check(), Verdict::GiveUp);

    lv::ControlCenterWait later(windows, clock);
    EXPECT_EQ(later.check(), Verdict::Wait);
    windows.close(window);
    EXPECT_EQ(later.check(), Verdict::Go);
}

} // namespace
