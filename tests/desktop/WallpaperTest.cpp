// Applying the focused Wallpaper entry: what reaches the registry, the
// system parameter, Active Desktop and the configuration file.
#include "desktop/ActDesk.h"
#include "desktop/Wallpaper.h"
#include "desktop/DesktopTestSupport.h"
#include "imaging/ImageTestSupport.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {

using lv::RegistryRoot;
using lv::test::Strings;
using lv::test::writesOf;

constexpr const char* Desktop = "\\Control Panel\\Desktop";

std::string activeDesktopCalls(const lv::fakes::FakeActiveDesktopService& service)
{
    std::string out;
    for (const auto& call : service.calls) {
        if (call.method == "setWallpaperOptions") out += "options " + std::to_string(call.style) + ";";
        if (call.method == "setWallpaper") out += "wallpaper " + call.path + ";";
        if (call.method == "applyChanges") out += "apply " + std::to_string(call.flags) + ";";
    }
    return out;
}

class WallpaperTest : public testing::Test, protected lv::test::DesktopFixture {
protected:
    void SetUp() override { fx.registry.createKey(RegistryRoot::CurrentUser, Desktop); }
    void apply(const std::string& entry, int mode)
    {
        lv::applyWallpaper(platform, paths, lv::imaging::PictureDepth::TrueColor, entry, mode);
    }
};

TEST_F(WallpaperTest, DisplayModesWriteTileThenStyleAndTheBitmapIsShownAfterThem)
{
    struct Case {
        int mode;
        Strings writes;
    } cases[] = {
        {0, {"TileWallpaper=0", "WallpaperStyle=0"}},
        {1, {"TileWallpaper=1", "WallpaperStyle=0"}},
        {2, {"TileWallpaper=0", "WallpaperStyle=2"}},
    };
    for (const auto& c : cases) {
        fx.registry.writes.clear();
        fx.system.wallpapersSet.clear();
        lv::SetBitmapWallpaper(fx.registry, fx.system, "C:\\w.bmp", c.mode);
        EXPECT_EQ(writesOf(fx.registry), c.writes) << "mode " << c.mode;
        EXPECT_EQ(fx.system.wallpapersSet, Strings{"C:\\w.bmp"});
    }
}

TEST_F(WallpaperTest, ClassicWayIgnoresEverythingButBitmaps)
{
    lv::SetBitmapWallpaper(fx.registry, fx.system, "C:\\web\\index.htm", 1);
    lv::SetBitmapWallpaper(fx.registry, fx.system, "C:\\pics\\a.jpg", 1);
    EXPECT_TRUE(fx.registry.writes.empty());
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
}

TEST_F(WallpaperTest, MissingDesktopKeySkipsTheWholeClassicWayButNotActiveDesktop)
{
    fx.registry.deleteKey(RegistryRoot::CurrentUser, Desktop);
    lv::ApplyWallpaperFile(fx.registry, fx.system, fx.activeDesktop, "C:\\w.BMP", 2);
    EXPECT_FALSE(fx.registry.keyExists(RegistryRoot::CurrentUser, Desktop)); // never created
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
    EXPECT_EQ(activeDesktopCalls(fx.activeDesktop), "options 2;wallpaper C:\\w.BMP;apply 7;");
}

TEST_F(WallpaperTest, ActiveDesktopTakesPagesAndBitmapsWithANewObjectEachTime)
{
    lv::SetActiveDesktopWallpaper(fx.activeDesktop, "C:\\pics\\a.gif", 0);
    EXPECT_EQ(fx.activeDesktop.objectsCreated, 0);
    lv::SetActiveDesktopWallpaper(fx.activeDesktop, "C:\\web\\a.Html", 0);
    lv::SetActiveDesktopWallpaper(fx.activeDesktop, "C:\\w.bMp", 1);
    EXPECT_EQ(fx.activeDesktop.objectsCreated, 2);
    EXPECT_EQ(activeDesktopCalls(fx.activeDesktop),
              "options 0;wallpaper C:\\web\\a.Html;apply 7;options 1;wallpaper C:\\w.bMp;apply 7;");
}

TEST_F(WallpaperTest, LongPathReachesActiveDesktopWhole)
{
    // Cut short, the path would name another file or none.
    const std::string path = "C:\\" + std::string(300, 'x') + "\\page.htm";
    lv::SetActiveDesktopWallpaper(fx.activeDesktop, path, 0);
    ASSERT_EQ(fx.activeDesktop.calls.size(), 3u);
    EXPECT_EQ(fx.activeDesktop.calls[1].path, path);
}

TEST_F(WallpaperTest, ApplyingAJpegStretchedConvertsItAndNamesTheSourceAsCurrent)
{
    const auto jpeg = lv::imaging::test::EncodeJpeg(lv::imaging::test::Gradient(40, 30, 3), 40, 30, 3, 90, false);
    fx.files.addFile("C:\\pics\\a.JPG", jpeg);
    apply("C:\\pics\\a.JPG", 2);

    const std::string bitmap = fx.files.fileText(paths.wallpaperBitmap);
    ASSERT_GE(bitmap.size(), 26u);
    EXPECT_EQ(bitmap.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bitmap[18]), 40u); // width
    EXPECT_EQ(writesOf(fx.registry), (Strings{"TileWallpaper=0", "WallpaperStyle=2"}));
    EXPECT_EQ(fx.system.wallpapersSet, Strings{paths.wallpaperBitmap});
    EXPECT_EQ(activeDesktopCalls(fx.activeDesktop), "options 2;wallpaper " + paths.wallpaperBitmap + ";apply 7;");
    EXPECT_EQ(ini("Master", "currentwall"), "C:\\pics\\a.JPG");
}

TEST_F(WallpaperTest, ApplyingABitmapTiledCopiesIt)
{
    fx.files.addFile("C:\\pics\\b.bmp", "BM-bitmap-bytes");
    apply("C:\\pics\\b.bmp", 1);
    EXPECT_EQ(fx.files.fileText(paths.wallpaperBitmap), "BM-bitmap-bytes");
    EXPECT_EQ(writesOf(fx.registry), (Strings{"TileWallpaper=1", "WallpaperStyle=0"}));
    EXPECT_EQ(fx.system.wallpapersSet, Strings{paths.wallpaperBitmap});
    EXPECT_EQ(ini("Master", "currentwall"), "C:\\pics\\b.bmp");
}

TEST_F(WallpaperTest, PageGoesToActiveDesktopCentredUnconvertedAndNeverToTheClassicValues)
{
    fx.files.addFile(paths.wallpaperBitmap, "old bitmap");
    fx.files.addFile("C:\\web\\index.htm", "<html></html>");
    apply("C:\\web\\index.htm", 1);
    EXPECT_EQ(fx.files.fileText(paths.wallpaperBitmap), "old bitmap");
    EXPECT_TRUE(fx.registry.writes.empty());
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
    EXPECT_EQ(activeDesktopCalls(fx.activeDesktop), "options 0;wallpaper C:\\web\\index.htm;apply 7;");
    EXPECT_EQ(ini("Master", "currentwall"), "C:\\web\\index.htm");
}

TEST_F(WallpaperTest, WithoutActiveDesktopPagesChangeNothingButAreStillRecorded)
{
    fx.activeDesktop.present = false;
    apply("C:\\web\\index.HTML", 0);
    EXPECT_TRUE(fx.activeDesktop.calls.empty());
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
    EXPECT_EQ(ini("Master", "currentwall"), "C:\\web\\index.HTML");

    fx.files.addFile("C:\\pics\\b.bmp", "BM");
    apply("C:\\pics\\b.bmp", 0);
    EXPECT_EQ(fx.system.wallpapersSet, Strings{paths.wallpaperBitmap});
    EXPECT_EQ(ini("Master", "currentwall"), "C:\\pics\\b.bmp");
}

TEST_F(WallpaperTest, ConversionErrorStopsBeforeAnythingIsAppliedOrRecorded)
{
    fx.files.addFile(paths.wallpaperBitmap, "old bitmap");
    fx.files.addFile("C:\\pics\\broken.jpg", "not a JPEG at all");
    EXPECT_THROW(apply("C:\\pics\\broken.jpg", 2), lv::Error);
    EXPECT_THROW(apply("C:\\pics\\missing.gif", 2), lv::Error);
    EXPECT_EQ(fx.files.fileText(paths.wallpaperBitmap), "old bitmap");
    EXPECT_TRUE(fx.registry.writes.empty());
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
    EXPECT_TRUE(fx.activeDesktop.calls.empty());
    EXPECT_EQ(ini("Master", "currentwall"), "<none>");
}

TEST_F(WallpaperTest, ATargetThatCannotBeWrittenIsNamedAndNothingIsApplied)
{
    fx.files.addFile(paths.wallpaperBitmap, "old bitmap", lv::FileAttr::ReadOnly);
    fx.files.addFile("C:\\pics\\new.bmp", "new bitmap");
    for (const char* source : {"C:\\pics\\new.bmp", "C:\\pics\\missing.bmp"}) {
        try {
            apply(source, 0);
            ADD_FAILURE() << source << " was applied";
        } catch (const lv::WriteRefused& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file " + paths.wallpaperBitmap);
            EXPECT_EQ(std::string(source), "C:\\pics\\new.bmp");
        } catch (const lv::Error& e) {
            EXPECT_EQ(std::string(e.what()), std::string("Cannot open file ") + source);
        }
    }
    EXPECT_EQ(fx.files.fileText(paths.wallpaperBitmap), "old bitmap");
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
}

TEST_F(WallpaperTest, UnconvertibleFileAppliesTheBitmapAsItWas)
{
    fx.files.addFile(paths.wallpaperBitmap, "old bitmap");
    fx.files.addFile("C:\\pics\\notes.txt", "text");
    apply("C:\\pics\\notes.txt", 0);
    EXPECT_EQ(fx.files.fileText(paths.wallpaperBitmap), "old bitmap");
    EXPECT_EQ(fx.system.wallpapersSet, Strings{paths.wallpaperBitmap});
    EXPECT_EQ(ini("Master", "currentwall"), "C:\\pics\\notes.txt");
}

TEST_F(WallpaperTest, NoFocusedEntryDoesNothing)
{
    lv::applyWallpaper(platform, paths, lv::imaging::PictureDepth::TrueColor, std::nullopt, 0);
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
    EXPECT_TRUE(fx.activeDesktop.calls.empty());
    EXPECT_FALSE(fx.files.fileExists(paths.configFile));
}

} // namespace
