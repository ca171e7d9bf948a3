// The Updater's changes over the real Win32 adapters: hundreds of changes
// leave no GDI object behind and no file but the wallpaper bitmap and the log.
#include "imaging/Bitmap.h"
#include "imaging/ImageTestSupport.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Platform.h"
#include "updater/QuietUser.h"
#include "updater/SeededRandom.h"
#include "updater/UpdaterRun.h"

#include <windows.h>

#include "win32/GdiObjects.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using lv::test::liveGdiObjects;

// The real file system with a program directory of the test's own.
class TestFileSystem : public lv::win32::Win32FileSystem {
public:
    explicit TestFileSystem(std::string directory) : directory_(std::move(directory)) {}
    std::string programDirectory() override { return directory_; }

private:
    std::string directory_;
};

std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(UpdaterDesktop, ManyChangesLeaveNoGdiObjectAndNoStrayFile)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string program = std::string(temp) + "lvupdater-test\\";
    CreateDirectoryA(program.c_str(), nullptr);
    for (const std::string& name : filesIn(program))
        DeleteFileA((program + name).c_str());

    lv::win32::Win32Platform adapters;
    TestFileSystem files(program);
    lv::QuietDialogs dialogs;
    lv::QuietUi ui;
    lv::win32::Win32Clock clock;
    lv::SeededRandom random(7);
    const lv::Platform platform{adapters.registry, adapters.profile, files, adapters.shell, adapters.system,
                                adapters.screen, adapters.activeDesktop, adapters.sound, adapters.windows,
                                dialogs, ui};

    const std::string pictures = std::string(temp) + "lvupdater-pictures\\";
    CreateDirectoryA(pictures.c_str(), nullptr);
    const auto jpeg = lv::imaging::test::EncodeJpeg(lv::imaging::test::Gradient(24, 16, 3), 24, 16, 3, 90, false);
    files.writeFile(pictures + "a.jpg", jpeg);
    files.writeFile(pictures + "b.bmp", lv::imaging::CreateBitmapFile(8, 6, 24, {}, 0));
    lv::ConfigFile config(adapters.profile, program + "lumivane3.ini");
    config.writeItem("Wallpaper", lv::ModeEnabledRandom, 1, {pictures + "a.jpg", pictures + "b.bmp"}, {"0", "2"});
    config.writeItem("Shutdown Logo 2", lv::ModeEnabled, 1, {pictures + "a.jpg", pictures + "b.bmp"});
    // A wallpaper of the user's own: an earlier run left this folder's
    // bitmap as the wallpaper, which the first change would not record.
    ASSERT_TRUE(adapters.system.setDeskWallpaper("", true));
    const std::vector<std::string> before = filesIn(program);

    lv::UpdaterRun run(lv::UpdaterPorts{platform, clock, random, true});
    ASSERT_TRUE(run.begin());
    run.changeAll();
    const int gdiAfterFirst = liveGdiObjects();
    for (int i = 0; i < 150; ++i) {
        run.changeAll();
        run.nextWallpaper();
    }
    EXPECT_EQ(liveGdiObjects(), gdiAfterFirst);

    std::vector<std::string> expected = before;
    expected.push_back("LumivaneWallpaper.bmp");
    expected.push_back("updater3.log");
    // The wallpaper the user had, recorded at the first change, for the removal.
    expected.push_back("LumivaneOriginalWallpaper.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(filesIn(program), expected);
    EXPECT_EQ(config.readItem("Wallpaper").files.size(), 2u);
    EXPECT_EQ(config.readString("Shutdown Logo 2last", "last"), pictures + "a.jpg");
}

} // namespace
