// Theme part flags in the configuration file and the check boxes, the theme
// manager's switches and verbs, and the screen saver's preview and settings.
#include "desktop/DesktopTestSupport.h"
#include "desktop/ScreenSaver.h"
#include "desktop/Themes.h"

#include <gtest/gtest.h>

namespace {

using lv::RegistryRoot;
using lv::ThemeBoxes;
using lv::test::Strings;
using lv::test::writesOf;

constexpr const char* ApplyKey = "\\SOFTWARE\\Microsoft\\Plus!\\Themes\\Apply";
constexpr const char* Sea = "C:\\Themes\\Sea.theme";
constexpr ThemeBoxes AllChecked{true, true, true, true, true, true, true, true};

std::string shellCalls(const lv::fakes::FakeShell& shell)
{
    std::string out;
    for (const auto& call : shell.shellExecuteCalls)
        out += call.verb + " " + call.file + "|" + call.parameters + "|" + call.directory + "|" +
               std::to_string(call.showCommand) + ";";
    for (const auto& call : shell.winExecCalls) out += "winexec " + call.commandLine + "|" + std::to_string(call.showCommand) + ";";
    return out;
}

class ThemeTest : public testing::Test, protected lv::test::DesktopFixture {
protected:
    void SetUp() override { fx.registry.createKey(RegistryRoot::CurrentUser, ApplyKey); }
    std::string flagsOf(const std::string& name) { return ini("Desktop Theme Options", name); }
    void storeFlags(const std::string& name, const std::string& flags)
    {
        fx.profile.writeString(paths.configFile, "Desktop Theme Options", name, flags);
    }
};

TEST_F(ThemeTest, UncheckingWallpaperStoresAllEightBoxesUnderTheFileName)
{
    ThemeBoxes boxes = AllChecked;
    boxes[3] = false;
    lv::storeThemeBoxes(platform, paths, std::string(Sea), boxes);
    EXPECT_EQ(flagsOf("Sea.theme"), "11101111");
    EXPECT_EQ(lv::themePartFlags(ThemeBoxes{true, false, false, false, false, false, false, true}), "10000001");

    lv::storeThemeBoxes(platform, paths, std::nullopt, ThemeBoxes{});
    EXPECT_EQ(flagsOf("Sea.theme"), "11101111");
}

TEST_F(ThemeTest, PickingAThemeShowsItsFlagsAndKeepsThemStored)
{
    storeFlags("Other.theme", "10000001");
    ThemeBoxes boxes = AllChecked;
    EXPECT_TRUE(lv::showThemeOptions(platform, paths, "Desktop Theme", std::string("D:\\x\\Other.theme"), boxes));
    EXPECT_EQ(boxes, (ThemeBoxes{true, false, false, false, false, false, false, true}));
    EXPECT_EQ(flagsOf("Other.theme"), "10000001");
}

TEST_F(ThemeTest, ThemeWithoutEntryChecksAllBoxesAndGainsTheEntryOnlyWhenABoxChanged)
{
    ThemeBoxes boxes = AllChecked;
    EXPECT_FALSE(lv::showThemeOptions(platform, paths, "Desktop Theme", std::string(Sea), boxes));
    EXPECT_EQ(flagsOf("Sea.theme"), "<none>");

    boxes[6] = false;
    EXPECT_TRUE(lv::showThemeOptions(platform, paths, "Desktop Theme", std::string(Sea), boxes));
    EXPECT_EQ(boxes, AllChecked);
    EXPECT_EQ(flagsOf("Sea.theme"), "11111111");
}

TEST_F(ThemeTest, StoredValueNotEightLongLeavesTheBoxesAndOnlyOtherCharactersThanOneUncheck)
{
    storeFlags("Sea.theme", "1010");
    ThemeBoxes boxes{false, true, false, true, false, true, false, true};
    const ThemeBoxes before = boxes;
    EXPECT_FALSE(lv::showThemeOptions(platform, paths, "Desktop Theme", std::string(Sea), boxes));
    EXPECT_EQ(boxes, before);
    EXPECT_EQ(flagsOf("Sea.theme"), "1010");

    storeFlags("Sea.theme", "1x1?1011");
    lv::showThemeOptions(platform, paths, "Desktop Theme", std::string(Sea), boxes);
    EXPECT_EQ(boxes, (ThemeBoxes{true, false, true, false, true, false, true, true}));
    EXPECT_EQ(flagsOf("Sea.theme"), "10101011");
}

TEST_F(ThemeTest, OptionsAreShownOnlyForAFocusedDesktopThemeEntry)
{
    ThemeBoxes boxes{};
    EXPECT_FALSE(lv::showThemeOptions(platform, paths, "Wallpaper", std::string(Sea), boxes));
    EXPECT_FALSE(lv::showThemeOptions(platform, paths, "Desktop Theme", std::nullopt, boxes));
    EXPECT_EQ(boxes, ThemeBoxes{});
}

TEST_F(ThemeTest, SwitchesAreWrittenInTheThemeManagersOrder)
{
    lv::WriteThemeApplySwitches(fx.registry, "01010101");
    EXPECT_EQ(writesOf(fx.registry),
              (Strings{"Colors=1", "Desktop wallpaper=1", "Font and window sizes=1", "Font names and styles=0",
                       "Icons=0", "Mouse pointers=0", "Screen saver=0", "Sound events=1"}));
}

TEST_F(ThemeTest, SwitchesNeedEightFlagsAndAnExistingKey)
{
    lv::WriteThemeApplySwitches(fx.registry, "0101");
    lv::WriteThemeApplySwitches(fx.registry, "010101010");
    EXPECT_TRUE(fx.registry.writes.empty());
    fx.registry.deleteKey(RegistryRoot::CurrentUser, ApplyKey);
    lv::WriteThemeApplySwitches(fx.registry, "01010101");
    EXPECT_TRUE(fx.registry.writes.empty());
    EXPECT_FALSE(fx.registry.keyExists(RegistryRoot::CurrentUser, ApplyKey));
}

TEST_F(ThemeTest, ApplyWritesTheEntrysSwitchesThenRunsApplySettings)
{
    storeFlags("Sea.theme", "11101111");
    EXPECT_TRUE(lv::applyTheme(platform, paths, "Desktop Theme", std::string(Sea)));
    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, ApplyKey, "Desktop wallpaper"), "0");
    EXPECT_EQ(fx.registry.writes.size(), 8u);
    EXPECT_EQ(shellCalls(fx.shell), "Apply Settings C:\\Themes\\Sea.theme|||1;");
}

TEST_F(ThemeTest, ApplyWithAShortValueWritesNoSwitchButStillRuns)
{
    storeFlags("Sea.theme", "1110");
    EXPECT_TRUE(lv::applyTheme(platform, paths, "Desktop Theme", std::string(Sea)));
    EXPECT_TRUE(fx.registry.writes.empty());
    EXPECT_EQ(shellCalls(fx.shell), "Apply Settings C:\\Themes\\Sea.theme|||1;");
}

TEST_F(ThemeTest, ApplyOfAThemeWithoutEntryTakesEveryPart)
{
    EXPECT_TRUE(lv::applyTheme(platform, paths, "Desktop Theme", std::string(Sea)));
    EXPECT_EQ(writesOf(fx.registry),
              (Strings{"Colors=1", "Desktop wallpaper=1", "Font and window sizes=1", "Font names and styles=1",
                       "Icons=1", "Mouse pointers=1", "Screen saver=1", "Sound events=1"}));
}

TEST_F(ThemeTest, ApplyAndPreviewNeedAFocusedThemeEntry)
{
    EXPECT_FALSE(lv::applyTheme(platform, paths, "Wallpaper", std::string(Sea)));
    EXPECT_FALSE(lv::applyTheme(platform, paths, "Desktop Theme", std::nullopt));
    lv::previewTheme(platform, paths, "Screen Saver", std::string(Sea));
    lv::previewTheme(platform, paths, "Desktop Theme", std::nullopt);
    EXPECT_EQ(shellCalls(fx.shell), "");
    EXPECT_TRUE(fx.registry.writes.empty());
}

TEST_F(ThemeTest, OptionsOnAThemeOpensTheThemeManagerAfterTheSwitches)
{
    storeFlags("Sea.theme", "00000001");
    lv::optionsForSelectedFile(platform, paths, "Desktop Theme", std::string(Sea));
    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, ApplyKey, "Font and window sizes"), "1");
    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, ApplyKey, "Colors"), "0");
    EXPECT_EQ(shellCalls(fx.shell), "open C:\\Themes\\Sea.theme|||1;");
}

TEST_F(ThemeTest, SameCopiesTheBoxesToEverySelectedEntryOnlyWhenSeveralAreSelected)
{
    const ThemeBoxes boxes{false, true, false, true, false, true, false, true};
    lv::copyThemeOptionsToSelected(platform, paths, {"C:\\a\\One.theme"}, boxes);
    EXPECT_EQ(flagsOf("One.theme"), "<none>");

    lv::copyThemeOptionsToSelected(platform, paths, {"C:\\a\\One.theme", "C:\\c\\Three.theme", "C:\\d\\Four.theme"},
                                   boxes);
    EXPECT_EQ(flagsOf("One.theme"), "01010101");
    EXPECT_EQ(flagsOf("Two.theme"), "<none>");
    EXPECT_EQ(flagsOf("Three.theme"), "01010101");
    EXPECT_EQ(flagsOf("Four.theme"), "01010101");
}

TEST_F(ThemeTest, ScreenSaverIsPreviewedAndConfiguredOnlyOnItsOwnPage)
{
    const std::string flying = "C:\\WINDOWS\\SYSTEM\\Flying.scr";
    lv::previewScreenSaver(fx.shell, "Screen Saver", flying);
    lv::optionsForSelectedFile(platform, paths, "Screen Saver", flying);
    EXPECT_EQ(shellCalls(fx.shell), "open C:\\WINDOWS\\SYSTEM\\Flying.scr|||1;winexec C:\\WINDOWS\\SYSTEM\\Flying.scr|1;");

    fx.shell.shellExecuteCalls.clear();
    fx.shell.winExecCalls.clear();
    lv::previewScreenSaver(fx.shell, "Desktop Theme", flying);
    lv::configureScreenSaver(fx.shell, "Wallpaper", flying);
    lv::previewScreenSaver(fx.shell, "Screen Saver", std::nullopt);
    lv::configureScreenSaver(fx.shell, "Screen Saver", std::nullopt);
    EXPECT_EQ(shellCalls(fx.shell), "");
}

TEST(ScreenSaverCommandLineTest, PathWithASpaceIsQuotedOthersRunAsGiven)
{
    EXPECT_EQ(lv::screenSaverCommandLine("C:\\WINDOWS\\SYSTEM\\Flying.scr"), "C:\\WINDOWS\\SYSTEM\\Flying.scr");
    EXPECT_EQ(lv::screenSaverCommandLine("C:\\Program Files\\Savers\\My Saver.scr"),
              "\"C:\\Program Files\\Savers\\My Saver.scr\"");
}

} // namespace
