// The "Current:" label: each item's source, the fall-backs between them and
// the name shown.
#include "desktop/CurrentAssignment.h"
#include "desktop/DesktopTestSupport.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {

using lv::CategoryGeneral;
using lv::CategoryLogos;
using lv::CategorySounds;
using lv::RegistryRoot;

constexpr const char* AdGeneral = "\\Software\\Microsoft\\Internet Explorer\\Desktop\\General";
constexpr const char* Classic = "\\Control Panel\\Desktop";

class CurrentFileTest : public testing::Test, protected lv::test::DesktopFixture {
protected:
    std::string label(int category, const std::string& item)
    {
        return lv::currentfileText(platform, paths, category, item);
    }
    void setUser(const std::string& key, const std::string& name, const std::string& text)
    {
        fx.registry.setString(RegistryRoot::CurrentUser, key, name, text);
    }
};

TEST_F(CurrentFileTest, WallpaperPrefersActiveDesktopsRecordThenTheClassicValue)
{
    setUser(Classic, "Wallpaper", "C:\\WINDOWS\\Clouds.bmp");
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "Clouds.bmp"); // no Active Desktop key
    setUser(AdGeneral, "Wallpaper", "");
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "Clouds.bmp"); // empty record
    setUser(AdGeneral, "Wallpaper", "C:\\web\\index.htm");
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "index.htm");
}

TEST_F(CurrentFileTest, WallpaperSetForTheSessionOnlyComesBeforeTheStoredValue)
{
    setUser(Classic, "Wallpaper", "C:\\WINDOWS\\Clouds.bmp");
    fx.system.wallpaper = "C:\\WINDOWS\\Setup.bmp";
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "Setup.bmp");
    // Apply Now without Active Desktop: the bitmap shown is named by its source.
    fx.system.wallpaper = paths.wallpaperBitmap;
    fx.profile.writeString(paths.configFile, "Master", "currentwall", "C:\\pics\\a.JPG");
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "a.JPG");
    setUser(AdGeneral, "Wallpaper", "C:\\web\\index.htm");
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "index.htm");
}

TEST_F(CurrentFileTest, WallpaperBitmapIsNamedByTheFileLastApplied)
{
    setUser(AdGeneral, "Wallpaper", paths.wallpaperBitmap);
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "unknown or none"); // nothing applied yet
    fx.profile.writeString(paths.configFile, "Master", "currentwall", "C:\\pics\\a.JPG");
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "a.JPG");
    fx.files.addFile("C:\\pics\\A Long Name.JPG", "jpeg");
    fx.profile.writeString(paths.configFile, "Master", "currentwall", "C:\\pics\\a long name.jpg");
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "A Long Name.JPG");

    // The comparison is exact: another spelling of the bitmap is shown as it is.
    std::string otherCase = paths.wallpaperBitmap;
    otherCase.back() = 'P';
    setUser(AdGeneral, "Wallpaper", otherCase);
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "LumivaneWallpaper.bmP");
}

TEST_F(CurrentFileTest, NothingRecordedShowsUnknownOrNone)
{
    setUser(AdGeneral, "Wallpaper", "");
    setUser(Classic, "Wallpaper", "");
    EXPECT_EQ(label(CategoryGeneral, "Wallpaper"), "unknown or none");
    EXPECT_EQ(label(CategoryGeneral, "Screen Saver"), "unknown or none");
    EXPECT_EQ(label(CategoryGeneral, "Desktop Theme"), "unknown or none");
    EXPECT_EQ(label(CategoryLogos, "Startup Logo"), "unknown or none");
    EXPECT_EQ(label(CategoryLogos, ""), "unknown or none");
    EXPECT_EQ(label(CategorySounds, ".Default\\SystemAsterisk"), "unknown or none");
}

TEST_F(CurrentFileTest, ScreenSaverComesFromSystemIniNamedAsTheFileSystemReportsIt)
{
    fx.files.addFile("C:\\windows\\system.ini", "[boot]\r\nSCRNSAVE.EXE=C:\\WINDOWS\\SYSTEM\\FLYING~1.SCR\r\n");
    EXPECT_EQ(label(CategoryGeneral, "Screen Saver"), "FLYING~1.SCR"); // no such file: the text as it is
    // The fake file system has no short names; a name stored in another
    // letter case stands in for the long name the system reports.
    fx.files.addFile("C:\\WINDOWS\\SYSTEM\\Flying~1.scr", "saver");
    EXPECT_EQ(label(CategoryGeneral, "Screen Saver"), "Flying~1.scr");
}

TEST_F(CurrentFileTest, ThemeLogoAndSoundEachHaveTheirOwnSource)
{
    setUser("\\Software\\Microsoft\\Plus!\\Themes\\Current", "", "C:\\Themes\\Sea.theme");
    fx.profile.writeString(paths.configFile, "Shutdown Logo 1last", "last", "C:\\logos\\night.bmp");
    setUser("\\AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current", "", "C:\\media\\tada.wav");

    EXPECT_EQ(label(CategoryGeneral, "Desktop Theme"), "Sea.theme");
    EXPECT_EQ(label(CategoryLogos, "Shutdown Logo 1"), "night.bmp");
    EXPECT_EQ(label(CategoryLogos, "Startup Logo"), "unknown or none");
    EXPECT_EQ(label(CategorySounds, ".Default\\SystemExit"), "tada.wav");
    EXPECT_EQ(label(CategorySounds, ""), "unknown or none");
}

TEST_F(CurrentFileTest, NameAfterTheLastBackslashOrColon)
{
    setUser("\\Software\\Microsoft\\Plus!\\Themes\\Current", "", "D:Sea.theme");
    EXPECT_EQ(label(CategoryGeneral, "Desktop Theme"), "Sea.theme");
    setUser("\\Software\\Microsoft\\Plus!\\Themes\\Current", "", "plain.theme");
    EXPECT_EQ(label(CategoryGeneral, "Desktop Theme"), "plain.theme");
}

TEST_F(CurrentFileTest, ValueThatIsNotTextStopsTheRefresh)
{
    fx.registry.setDword(RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\App\\Ev\\.Current", "", 1);
    try {
        label(CategorySounds, "App\\Ev");
        FAIL() << "no error";
    } catch (const lv::Error& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for ''");
    }
}

} // namespace
