// The Updater under faults: a target that cannot be written leaves every list
// whole and "next" where it was, says why once, and the run goes on; a
// configuration file that cannot be written is kept in memory; a WM_CLOSE
// let in during a change stops every later write.
#include "fakes/FakeClock.h"
#include "fakes/FakePlatform.h"
#include "imaging/Bitmap.h"
#include "updater/UpdaterRun.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <new>

namespace {

using lv::RegistryRoot;
using Strings = std::vector<std::string>;

constexpr const char* Ini = "C:\\Program Files\\Lumivane\\lumivane3.ini";
constexpr const char* Log = "C:\\Program Files\\Lumivane\\updater3.log";
constexpr const char* Bitmap = "C:\\Program Files\\Lumivane\\LumivaneWallpaper.bmp";
constexpr const char* Desktop = "\\Control Panel\\Desktop";
constexpr const char* Event = "\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";
constexpr const char* Sound = ".Default\\SystemStart";

const Strings Items = {"Wallpaper", "Screen Saver", "Desktop Theme", "Shutdown Logo 1", Sound};

class FirstRandom : public lv::RandomSource {
public:
    int below(int) override { return 0; }
};

// Every item with two files, "next" at 1.
struct Scene {
    lv::fakes::FakePlatform fx;
    lv::fakes::FakeClock clock;
    FirstRandom random;
    lv::ConfigFile config{fx.profile, Ini};

    Scene()
    {
        fx.registry.createKey(RegistryRoot::CurrentUser, Desktop);
        fx.registry.createKey(RegistryRoot::CurrentUser, Event);
        fx.registry.createKey(RegistryRoot::CurrentUser, "\\SOFTWARE\\Microsoft\\Plus!\\Themes\\Apply");
        const auto bitmap = lv::imaging::CreateBitmapFile(4, 3, 24, {}, 0);
        fx.files.addFile("C:\\pics\\a.bmp", bitmap);
        fx.files.addFile("C:\\pics\\b.bmp", bitmap);
        for (const char* file : {"C:\\s\\a.scr", "C:\\s\\b.scr", "C:\\t\\a.theme", "C:\\t\\b.theme",
                                 "C:\\l\\a.sys", "C:\\l\\b.sys", "C:\\w\\a.wav", "C:\\w\\b.wav"})
            fx.files.addFile(file, "data");
        config.writeItem("Wallpaper", lv::ModeEnabled, 1, {"C:\\pics\\a.bmp", "C:\\pics\\b.bmp"}, {"0", "1"});
        config.writeItem("Screen Saver", lv::ModeEnabled, 1, {"C:\\s\\a.scr", "C:\\s\\b.scr"});
        config.writeItem("Desktop Theme", lv::ModeEnabled, 1, {"C:\\t\\a.theme", "C:\\t\\b.theme"});
        config.writeItem("Shutdown Logo 1", lv::ModeEnabled, 1, {"C:\\l\\a.sys", "C:\\l\\b.sys"});
        config.writeItem(Sound, lv::ModeEnabled, 1, {"C:\\w\\a.wav", "C:\\w\\b.wav"});
    }

    lv::UpdaterRun makeRun(const lv::Platform& platform, bool ntFamily = true)
    {
        return lv::UpdaterRun(lv::UpdaterPorts{platform, clock, random, ntFamily});
    }
    lv::UpdaterRun makeRun(bool ntFamily = true) { return makeRun(fx.platform(), ntFamily); }
    // The log's lines without their times.
    Strings logLines()
    {
        Strings lines;
        const std::string text = fx.files.fileExists(Log) ? fx.files.fileText(Log) : "";
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(text.find("  ", start) + 2, end - text.find("  ", start) - 2));
        return lines;
    }
    Strings linesAbout(const std::string& item)
    {
        Strings found;
        for (const std::string& line : logLines())
            if (line.rfind(item + ": ", 0) == 0)
                found.push_back(line);
        return found;
    }
};

class UpdaterFaultsTest : public testing::Test, public Scene {};

struct TargetFault {
    const char* name;
    std::function<void(lv::fakes::FakePlatform&)> inject;
    const char* item;
    const char* logLine; // the one line about the item, after "<item>: "
};

TEST(UpdaterTargetFaultsTest, ATargetThatCannotBeWrittenKeepsTheListAndSaysWhyOnce)
{
    const TargetFault faults[] = {
        {"wallpaper bitmap read-only",
         [](auto& f) { f.files.addFile(Bitmap, "old", lv::FileAttr::ReadOnly); }, "Wallpaper",
         "not changed: Cannot create file C:\\Program Files\\Lumivane\\LumivaneWallpaper.bmp"},
        {"wallpaper refused by the system", [](auto& f) { f.system.setWallpaperSucceeds = false; }, "Wallpaper",
         "not changed: The system did not take the wallpaper C:\\Program Files\\Lumivane\\LumivaneWallpaper.bmp"},
        {"logo file in a folder the user may not write",
         [](auto& f) { f.files.addFile("C:\\windows\\logow.sys", "OLD", lv::FileAttr::ReadOnly); },
         "Shutdown Logo 1", "not changed: Cannot create file C:\\windows\\logow.sys"},
        {"sound value", [](auto& f) { f.registry.denyWriteAccess(RegistryRoot::CurrentUser, Event); }, Sound,
         "not changed: Cannot write HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current: "
         "access is denied"},
        {"screen saver value", [](auto& f) { f.registry.denyWriteAccess(RegistryRoot::CurrentUser, Desktop); },
         "Screen Saver",
         "not changed: Failed to set data for 'SCRNSAVE.EXE': HKEY_CURRENT_USER\\Control Panel\\Desktop cannot be "
         "opened for writing"},
        {"theme verb without a program", [](auto& f) { f.shell.shellExecuteResult = 31; }, "Desktop Theme",
         "not changed: no program applies .theme files here"},
        {"theme verb refused", [](auto& f) { f.shell.shellExecuteResult = 5; }, "Desktop Theme",
         "not changed: access is denied"},
    };
    for (const TargetFault& fault : faults) {
        SCOPED_TRACE(fault.name);
        Scene scene;
        fault.inject(scene.fx);
        std::map<std::string, Strings> lists;
        for (const auto& item : Items)
            lists[item] = scene.config.readItem(item).files;

        auto run = scene.makeRun();
        ASSERT_TRUE(run.begin());
        run.changeAll();
        run.changeAll(); // a second try logs nothing new

        for (const auto& item : Items)
            EXPECT_EQ(scene.config.readItem(item).files, lists[item]) << item;
        EXPECT_EQ(scene.config.readItem(fault.item).next, 1);
        EXPECT_EQ(scene.linesAbout(fault.item), Strings{std::string(fault.item) + ": " + fault.logLine});
        EXPECT_EQ(scene.logLines().size(), 1 + 2 * (Items.size() - 1)) << "the other items changed twice";
    }
}

TEST_F(UpdaterFaultsTest, SystemIniIsNotTheChangeOnTheNtFamily)
{
    fx.files.addFile("C:\\windows\\system.ini", "[boot]\r\n", lv::FileAttr::ReadOnly);
    auto nt = makeRun(true);
    ASSERT_TRUE(nt.begin());
    nt.changeAll();
    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, Desktop, "SCRNSAVE.EXE"), "C:\\s\\a.scr");
    EXPECT_EQ(linesAbout("Screen Saver"), Strings{"Screen Saver: C:\\s\\a.scr"});

    auto windows98 = makeRun(false);
    ASSERT_TRUE(windows98.begin());
    windows98.changeAll();
    EXPECT_EQ(linesAbout("Screen Saver").back(),
              "Screen Saver: not changed: Unable to write to C:\\windows\\system.ini");
    EXPECT_EQ(config.readItem("Screen Saver").next, 2);
}

TEST_F(UpdaterFaultsTest, AReadOnlyConfigurationFileIsKeptInMemoryAndCyclingGoesOn)
{
    const std::string original = fx.files.fileText(Ini);
    fx.files.setAttributes(Ini, lv::FileAttr::ReadOnly);
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.nextWallpaper();
    run.nextWallpaper();
    run.nextWallpaper();
    EXPECT_EQ(fx.files.fileText(Ini), original);
    const Strings lines = logLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Unable to write to " + std::string(Ini) +
                            ": the settings cannot be saved; the positions of the lists are kept until the Updater "
                            "ends");
    EXPECT_EQ(Strings(lines.begin() + 1, lines.end()),
              (Strings{"Wallpaper: C:\\pics\\a.bmp", "Wallpaper: C:\\pics\\b.bmp", "Wallpaper: C:\\pics\\a.bmp"}));
    EXPECT_EQ(run.trayTip(), "Lumivane 3 Updater\nSettings cannot be saved\nWallpaper: a.bmp");
}

TEST_F(UpdaterFaultsTest, ADeletedEntryOfAReadOnlyFileIsGoneForTheRestOfTheRun)
{
    fx.files.deleteFile("C:\\pics\\a.bmp");
    fx.files.setAttributes(Ini, lv::FileAttr::ReadOnly);
    auto run = makeRun();
    ASSERT_TRUE(run.begin());
    run.nextWallpaper();
    run.nextWallpaper();
    EXPECT_EQ(linesAbout("Wallpaper"), (Strings{"Wallpaper: cannot use C:\\pics\\a.bmp: Cannot open file C:\\pics\\a.bmp (removed from the list)",
                                                "Wallpaper: C:\\pics\\b.bmp", "Wallpaper: C:\\pics\\b.bmp"}));
}

// A conversion that runs out of memory as it starts.
class ExhaustedUi : public lv::Ui {
public:
    void setHourglass(bool on) override
    {
        if (on)
            throw std::bad_alloc();
    }
    void processMessages() override {}
    void paintWindows() override {}
};

TEST_F(UpdaterFaultsTest, AConversionOutOfMemoryMakesThatFileUnusable)
{
    fx.files.addFile("C:\\pics\\huge.jpg", "declares more than it holds");
    config.writeItem("Wallpaper", lv::ModeEnabled, 1, {"C:\\pics\\huge.jpg", "C:\\pics\\b.bmp"});
    ExhaustedUi ui;
    const lv::Platform platform = fx.platform();
    auto run = makeRun(lv::Platform{platform.registry, platform.profile, platform.files, platform.shell,
                                    platform.system, platform.screen, platform.activeDesktop, platform.sound,
                                    platform.windows, platform.dialogs, ui});
    ASSERT_TRUE(run.begin());
    run.nextWallpaper();
    EXPECT_EQ(linesAbout("Wallpaper"),
              (Strings{"Wallpaper: cannot use C:\\pics\\huge.jpg: Out of memory (removed from the list)",
                       "Wallpaper: C:\\pics\\b.bmp"}));
    EXPECT_EQ(config.readItem("Wallpaper").files, Strings{"C:\\pics\\b.bmp"});
}

// A shell whose verb lets a WM_CLOSE in, as ShellExecute may.
class ClosingShell : public lv::Shell {
public:
    std::function<void()> duringVerb;
    std::intptr_t shellExecute(const std::string&, const std::string&, const std::string&, const std::string&,
                               int) override
    {
        duringVerb();
        return 42;
    }
    unsigned winExec(const std::string&, int) override { return 33; }
};

TEST_F(UpdaterFaultsTest, NothingIsWrittenAfterAWmCloseLetInDuringAChange)
{
    ClosingShell shell;
    lv::Platform platform = fx.platform();
    lv::Platform closing{platform.registry, platform.profile, platform.files,   shell,
                         platform.system,   platform.screen,  platform.activeDesktop, platform.sound,
                         platform.windows,  platform.dialogs, platform.ui};
    auto run = makeRun(closing);
    std::string iniAtClose, logAtClose;
    shell.duringVerb = [&] {
        run.close();
        iniAtClose = fx.files.fileText(Ini);
        logAtClose = fx.files.fileText(Log);
    };
    ASSERT_TRUE(run.begin());
    run.changeAll();
    EXPECT_EQ(fx.files.fileText(Ini), iniAtClose);
    EXPECT_EQ(fx.files.fileText(Log), logAtClose);
    EXPECT_FALSE(fx.files.fileExists("C:\\windows\\logow.sys")) << "the logos come after the theme";
    EXPECT_EQ(config.readItem("Desktop Theme").next, 1);
}

} // namespace
