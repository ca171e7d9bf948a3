// Reading and writing items and options in the configuration file, through
// the fake profile file (which behaves as Windows' profile functions do).
#include "config/ConfigFile.h"
#include "fakes/FakePlatform.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

class ConfigFileTest : public testing::Test {
protected:
    lv::fakes::FakePlatform fx;
    std::string path = "C:\\Program Files\\Lumivane\\lumivane3.ini";
    lv::ConfigFile config{fx.profile, path};

    std::string text() { return fx.files.fileText(path); }
};

TEST_F(ConfigFileTest, ShorteningAListRenumbersAndLeavesNoStaleKey)
{
    config.writeItem("Screen Saver", 0, 2, {"C:\\a.scr", "C:\\b.scr", "C:\\c.scr"});
    EXPECT_EQ(config.keyNames("Screen Saver"), (Strings{"0", "1", "2"}));
    EXPECT_EQ(config.keyNames("Screen Savercfg"), (Strings{"mode", "next"}));

    config.writeItem("Screen Saver", 1, 3, {"C:\\c.scr"});
    EXPECT_EQ(config.keyNames("Screen Saver"), (Strings{"0"}));
    const auto item = config.readItem("Screen Saver");
    EXPECT_EQ(item.files, (Strings{"C:\\c.scr"}));
    EXPECT_EQ(item.mode, 1);
    // The next file number is a position: stored as given even beyond the list.
    EXPECT_EQ(item.next, 3);
}

TEST_F(ConfigFileTest, AnEmptyListStillWritesItsSettings)
{
    config.writeItem("Desktop Theme", 2, 1, {});
    EXPECT_TRUE(config.keyNames("Desktop Theme").empty());
    EXPECT_EQ(config.keyNames("Desktop Themecfg"), (Strings{"mode", "next"}));
    EXPECT_EQ(text().find("[Desktop Theme]"), std::string::npos);
}

TEST_F(ConfigFileTest, WallpaperDisplayModesStandUnderTheSameNumbersAsThePaths)
{
    config.writeItem("Wallpaper", 0, 1, {"C:\\a.bmp", "C:\\b.jpg", "C:\\c.gif"}, {"2", "1", "0"});
    EXPECT_EQ(config.keyNames("Wallpapercfg"), (Strings{"mode", "next", "0", "1", "2"}));
    EXPECT_EQ(config.readString("Wallpapercfg", "1"), "1");
    EXPECT_EQ(config.readDisplayModes(), (Strings{"2", "1", "0"}));
}

TEST_F(ConfigFileTest, DisplayModesMissingFromTheListAreWrittenAsCentered)
{
    config.writeItem("Wallpaper", 0, 1, {"C:\\a.bmp", "C:\\b.bmp"}, {"2"});
    EXPECT_EQ(config.readDisplayModes(), (Strings{"2", "0"}));
}

TEST_F(ConfigFileTest, OtherItemsGetNoDisplayModes)
{
    config.writeItem("Startup Logo", 0, 1, {"C:\\a.bmp"}, {"2"});
    EXPECT_EQ(config.keyNames("Startup Logocfg"), (Strings{"mode", "next"}));
}

TEST_F(ConfigFileTest, AGapInHandEditedNumberingGivesAnEmptyEntryAndDropsTheLast)
{
    fx.files.addFile(path, "[Wallpaper]\r\n0=C:\\a.bmp\r\n2=C:\\c.bmp\r\n5=C:\\f.bmp\r\n");
    EXPECT_EQ(config.readItem("Wallpaper").files, (Strings{"C:\\a.bmp", "", "C:\\c.bmp"}));
}

TEST_F(ConfigFileTest, AMissingItemIsEmptyDisabledWithNextOne)
{
    const auto item = config.readItem(".Default\\SystemExit");
    EXPECT_TRUE(item.files.empty());
    EXPECT_EQ(item.mode, lv::ModeDisabled);
    EXPECT_EQ(item.next, 1);
}

TEST_F(ConfigFileTest, NumbersAreReadByTheProgramsOwnRule)
{
    fx.files.addFile(path, "[Screen Savercfg]\r\nmode=0x1\r\nnext=abc\r\n[Master]\r\nenable=2\r\n"
                           "runupd=0\r\npreview=12abc\r\n");
    const auto item = config.readItem("Screen Saver");
    EXPECT_EQ(item.mode, 1);
    EXPECT_EQ(item.next, 1);
    const auto o = lv::readMasterOptions(config);
    EXPECT_TRUE(o.enable);
    EXPECT_FALSE(o.runupd);
    EXPECT_TRUE(o.preview); // unparsable: the missing-key default, not 12
}

TEST_F(ConfigFileTest, ThreeThousandKeysAreReadBackWhole)
{
    Strings files;
    for (int i = 0; i < 3000; ++i)
        files.push_back("C:\\Pictures\\holiday picture number " + std::to_string(i) + ".jpg");
    config.writeItem("Wallpaper", 0, 1, files);
    EXPECT_EQ(config.readItem("Wallpaper").files, files);
}

TEST_F(ConfigFileTest, MasterOptionsMissingKeysTakeTheirOwnDefaults)
{
    fx.files.addFile(path, "[Master]\r\nenable=0\r\n");
    const auto o = lv::readMasterOptions(config);
    EXPECT_FALSE(o.enable);
    EXPECT_TRUE(o.deletenon);
    EXPECT_TRUE(o.runupd);
    EXPECT_FALSE(o.alwaystray);
    EXPECT_EQ(o.dragndrop, 0);
    EXPECT_EQ(o.folderadd, 0);
    EXPECT_TRUE(o.autopaper);
    EXPECT_TRUE(o.preview);
    EXPECT_TRUE(o.nodupes);
    EXPECT_FALSE(o.scrchange);
}

TEST_F(ConfigFileTest, MasterOptionsAreWrittenBooleansFirst)
{
    lv::MasterOptions o;
    o.alwaystray = true;
    o.dragndrop = 1;
    lv::writeMasterOptions(config, o);
    EXPECT_EQ(config.keyNames("Master"), (Strings{"enable", "deletenon", "runupd", "alwaystray", "autopaper",
                                                  "preview", "nodupes", "scrchange", "dragndrop", "folderadd"}));
    EXPECT_EQ(config.readString("Master", "alwaystray"), "1");
    EXPECT_EQ(config.readString("Master", "autopaper"), "0");
    EXPECT_EQ(config.readString("Master", "dragndrop"), "1");
}

TEST_F(ConfigFileTest, ThemeFlagsOfTheWrongLengthAreIgnored)
{
    EXPECT_EQ(config.readThemeFlags("Space.theme"), std::optional<std::string>("11111111"));
    config.writeThemeFlags("Space.theme", "1010101");
    EXPECT_EQ(config.readThemeFlags("Space.theme"), std::nullopt);
    config.writeThemeFlags("Space.theme", "10101010");
    EXPECT_EQ(config.readThemeFlags("SPACE.THEME"), std::optional<std::string>("10101010"));
}

TEST_F(ConfigFileTest, AFailedWriteNamesTheFile)
{
    lv::fakes::FakePlatform other;
    lv::ConfigFile missingFolder{other.profile, "C:\\No Such Folder\\lumivane3.ini"};
    try {
        missingFolder.writeItem("Wallpaper", 0, 1, {"C:\\a.bmp"});
        FAIL() << "no error";
    } catch (const lv::Error& e) {
        EXPECT_STREQ(e.what(), "Unable to write to C:\\No Such Folder\\lumivane3.ini");
    }
}

} // namespace
