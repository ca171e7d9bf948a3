// The wallpaper the user had, recorded at the programs' first change, and
// what the restore program undoes before the programs' folder is removed.
#include "config/Updater.h"
#include "desktop/DesktopTestSupport.h"
#include "desktop/OriginalWallpaper.h"
#include "desktop/Wallpaper.h"
#include "imaging/Bitmap.h"
#include "removal/DesktopRestore.h"
#include "updater/DesktopChanges.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using lv::RegistryRoot;
using lv::test::Strings;

constexpr const char* Desktop = "\\Control Panel\\Desktop";
const std::string Event = "\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\";

class RestoreTest : public testing::Test, protected lv::test::DesktopFixture {
protected:
    lv::LogoPaths logos = lv::makeLogoPaths(paths.windowsDirectory, paths.programDirectory);

    void SetUp() override
    {
        fx.registry.setString(RegistryRoot::CurrentUser, Desktop, "TileWallpaper", "1");
        fx.registry.setString(RegistryRoot::CurrentUser, Desktop, "WallpaperStyle", "0");
        fx.system.wallpaper = "C:\\mine\\lake.jpg";
        fx.files.addFile("C:\\mine\\lake.jpg", "the user's own");
        fx.files.addFile("C:\\pics\\a.bmp", lv::imaging::CreateBitmapFile(4, 3, 24, {}, 0));
        fx.files.addFile("C:\\pics\\b.bmp", lv::imaging::CreateBitmapFile(4, 3, 24, {}, 0));
    }
    void applyNow(const std::string& file, int mode = 2)
    {
        lv::applyWallpaper(platform, paths, lv::imaging::PictureDepth::TrueColor, file, mode);
    }
    void updaterChange(const std::string& file, int mode = 2)
    {
        const lv::UpdaterPaths updaterPaths{paths, logos};
        lv::DesktopChanges changes(platform, updaterPaths, true);
        ASSERT_EQ(changes.apply(lv::WallpaperItem, file, mode).status, lv::ApplyStatus::Applied);
    }
    std::string desktopValue(const char* name)
    {
        return fx.registry.stringValue(RegistryRoot::CurrentUser, Desktop, name).value_or("<none>");
    }
    Strings restore() { return lv::restoreDesktop(platform, paths, logos); }
};

TEST_F(RestoreTest, TheFirstChangeOfEitherProgramRecordsTheWallpaperShownAndItsStyleOnce)
{
    const std::function<void(const std::string&)> changes[] = {
        [this](const std::string& file) { applyNow(file); },
        [this](const std::string& file) { updaterChange(file); },
    };
    for (const auto& change : changes) {
        fx.files.deleteFile(paths.originalWallpaperFile);
        SetUp();
        change("C:\\pics\\a.bmp");
        change("C:\\pics\\b.bmp");
        ASSERT_EQ(fx.system.wallpaper, paths.wallpaperBitmap);
        const auto original = lv::readOriginalWallpaper(fx.profile, paths);
        ASSERT_TRUE(original);
        EXPECT_EQ(original->path, "C:\\mine\\lake.jpg");
        EXPECT_EQ(original->tileWallpaper, "1");
        EXPECT_EQ(original->wallpaperStyle, "0");
    }
}

TEST_F(RestoreTest, UndoesEveryChangeOfThePrograms)
{
    const auto updater = fx.windows.addWindow(lv::UpdaterWindowClass, lv::UpdaterWindowTitle);
    for (const auto root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser})
        fx.registry.setString(root, lv::RunKey, lv::RunValueName, paths.programDirectory + "updater3.exe");
    fx.registry.setString(RegistryRoot::CurrentUser, Event + ".Default", "", "start.wav");
    fx.registry.setString(RegistryRoot::CurrentUser, Event + ".Current", "", "C:\\w\\mine.wav");
    fx.files.addFile("C:\\windows\\logos.sys", "off");
    lv::backUpLogosOnFirstRun(fx.files, logos);
    fx.files.addFile("C:\\windows\\logos.sys", "cycled off");
    applyNow("C:\\pics\\a.bmp");
    fx.system.wallpapersSet.clear();
    fx.system.lastingWallpapers.clear();

    EXPECT_EQ(restore(), Strings{});
    EXPECT_EQ(fx.windows.closed, std::vector<lv::WindowHandle>{updater});
    for (const auto root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser})
        EXPECT_FALSE(fx.registry.stringValue(root, lv::RunKey, lv::RunValueName));
    EXPECT_EQ(fx.registry.stringValue(RegistryRoot::CurrentUser, Event + ".Current", ""), "start.wav");
    EXPECT_EQ(fx.files.fileText("C:\\windows\\logos.sys"), "off");
    EXPECT_EQ(fx.system.wallpapersSet, Strings{"C:\\mine\\lake.jpg"});
    EXPECT_EQ(fx.system.lastingWallpapers, std::vector<bool>{true});
    EXPECT_EQ(desktopValue("TileWallpaper") + desktopValue("WallpaperStyle"), "10"); // Apply Now wrote 0 and 2
}

TEST_F(RestoreTest, AWallpaperThatIsNotTheProgramsBitmapStays)
{
    applyNow("C:\\pics\\a.bmp");
    fx.system.wallpaper = "C:\\mine\\later.bmp";
    fx.system.wallpapersSet.clear();
    EXPECT_EQ(restore(), Strings{});
    EXPECT_TRUE(fx.system.wallpapersSet.empty());
}

TEST_F(RestoreTest, AUserWhoHadNoWallpaperGetsNoneAgain)
{
    fx.system.wallpaper = "";
    applyNow("C:\\pics\\a.bmp");
    fx.system.wallpapersSet.clear();
    EXPECT_EQ(restore(), Strings{});
    EXPECT_EQ(fx.system.wallpapersSet, Strings{""});
}

TEST_F(RestoreTest, AnUnknownOrVanishedOriginalKeepsThePictureFromOutsideTheFolder)
{
    const std::function<void()> scenes[] = {
        // Shown before this version recorded anything: nothing is recorded now.
        [this] {
            fx.system.wallpaper = paths.wallpaperBitmap;
            applyNow("C:\\pics\\a.bmp");
            EXPECT_FALSE(lv::readOriginalWallpaper(fx.profile, paths));
        },
        [this] {
            applyNow("C:\\pics\\a.bmp");
            fx.files.deleteFile("C:\\mine\\lake.jpg");
        },
    };
    const std::string kept = "C:\\Program Files\\Lumivane 3 Wallpaper.bmp";
    for (const auto& scene : scenes) {
        fx.files.deleteFile(paths.originalWallpaperFile);
        fx.files.deleteFile(kept);
        scene();
        fx.system.wallpapersSet.clear();
        EXPECT_EQ(restore(), Strings{});
        EXPECT_EQ(fx.system.wallpapersSet, Strings{kept});
        EXPECT_EQ(fx.files.fileText(kept), fx.files.fileText(paths.wallpaperBitmap));
    }
}

TEST_F(RestoreTest, AStepThatFailsIsReportedAndTheOthersAreStillTaken)
{
    fx.registry.setString(RegistryRoot::CurrentUser, Event + ".Default", "", "start.wav"); // no current key
    fx.registry.setString(RegistryRoot::CurrentUser, lv::RunKey, lv::RunValueName, "x");
    applyNow("C:\\pics\\a.bmp");
    EXPECT_EQ(restore(), Strings{"Sounds: Failed to set data for ''"});
    EXPECT_FALSE(fx.registry.stringValue(RegistryRoot::CurrentUser, lv::RunKey, lv::RunValueName));
    EXPECT_EQ(fx.system.wallpaper, "C:\\mine\\lake.jpg");
}

TEST_F(RestoreTest, TheProgramAsksUnlessQuietAndShowsFailuresOnlyWhenItAsked)
{
    fx.registry.setString(RegistryRoot::CurrentUser, Event + ".Default", "", "start.wav");
    fx.registry.setString(RegistryRoot::CurrentUser, lv::RunKey, lv::RunValueName, "x");

    fx.dialogs.confirmAnswers = {false};
    EXPECT_EQ(lv::runDesktopRestore(platform, false), 2);
    EXPECT_TRUE(fx.registry.stringValue(RegistryRoot::CurrentUser, lv::RunKey, lv::RunValueName));

    EXPECT_EQ(lv::runDesktopRestore(platform, true), 1);
    EXPECT_EQ(fx.dialogs.confirmations, Strings{lv::RestoreDesktopQuestion});
    EXPECT_TRUE(fx.dialogs.errors.empty());
    EXPECT_FALSE(fx.registry.stringValue(RegistryRoot::CurrentUser, lv::RunKey, lv::RunValueName));

    fx.dialogs.confirmAnswers = {true};
    EXPECT_EQ(lv::runDesktopRestore(platform, false), 1);
    EXPECT_EQ(fx.dialogs.errors, Strings{"Not everything could be restored:\nSounds: Failed to set data for ''"});
}

} // namespace
