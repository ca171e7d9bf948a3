// The Win32 adapters whose effects show only in the running system: system
// parameters, the shell and Active Desktop.
#include "platform/win32/Win32ActiveDesktop.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemParameters.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using namespace lv::win32;

TEST(Win32SystemParameters, ScreenSaverTimeoutAndActivationRoundTrip)
{
    Win32SystemParameters system;
    const int original = system.screenSaveTimeout();
    ASSERT_GT(original, 0);
    system.setScreenSaveTimeout(original + 60);
    EXPECT_EQ(system.screenSaveTimeout(), original + 60);
    system.setScreenSaveTimeout(original);
    EXPECT_EQ(system.screenSaveTimeout(), original);

    BOOL wasActive = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &wasActive, 0);
    system.setScreenSaveActive(!wasActive);
    BOOL active = wasActive;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    EXPECT_EQ(active != FALSE, wasActive == FALSE);
    system.setScreenSaveActive(wasActive != FALSE);
}

TEST(Win32SystemParameters, WallpaperIsSetForTheSession)
{
    char original[MAX_PATH] = "";
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof original, original, 0);
    Win32SystemParameters system;
    EXPECT_TRUE(system.setDeskWallpaper("C:\\windows\\LumivaneWallpaper.bmp", false));
    char now[MAX_PATH] = "";
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof now, now, 0);
    EXPECT_STREQ(now, "C:\\windows\\LumivaneWallpaper.bmp");
    EXPECT_EQ(system.deskWallpaper(), "C:\\windows\\LumivaneWallpaper.bmp");
    system.setDeskWallpaper(original, false);
}

TEST(Win32Screen, ReportsAPlausibleDisplay)
{
    Win32Screen screen;
    EXPECT_GE(screen.width(), 320);
    EXPECT_GE(screen.height(), 200);
    const int bits = screen.colorBits();
    EXPECT_TRUE(bits == 8 || bits == 16 || bits == 24 || bits == 32) << bits;
}

TEST(Win32Shell, StartsProgramsAndPassesFailuresOn)
{
    Win32Shell shell;
    EXPECT_GT(shell.shellExecute("open", "cmd.exe", "/c exit", "", SW_HIDE), 32);
    EXPECT_GT(shell.shellExecute("", "cmd.exe", "/c exit", "C:\\windows", SW_HIDE), 32);
    EXPECT_LE(shell.shellExecute("open", "C:\\no such folder\\nothing.exe", "", "", SW_HIDE), 32);
    EXPECT_GT(shell.winExec("cmd.exe /c exit", SW_HIDE), 31u);
    EXPECT_LE(shell.winExec("C:\\no such folder\\nothing.exe", SW_HIDE), 31u);
}

TEST(Win32ActiveDesktopService, CreatesTheShellsObjectOnlyWhereComIsEntered)
{
    // A thread that never entered COM gets no object (and does not crash).
    bool createdWithoutCom = true;
    const HANDLE thread = CreateThread(
        nullptr, 0,
        [](void* created) -> DWORD {
            *static_cast<bool*>(created) = Win32ActiveDesktopService().create() != nullptr;
            return 0;
        },
        &createdWithoutCom, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_FALSE(createdWithoutCom);

    const ComApartment com;
    Win32ActiveDesktopService service;
    auto first = service.create();
    ASSERT_NE(first, nullptr);
    auto second = service.create();
    EXPECT_NE(second, nullptr);
    EXPECT_NE(first.get(), second.get());
}

} // namespace
