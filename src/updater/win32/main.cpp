// Program entry of the Updater: one instance, its hidden window and the
// message loop, with the Win32 adapters of the ports and a user who is
// never asked anything.
#include "base/ErrorBoundary.h"
#include "imaging/PictureFormats.h"
#include "platform/win32/Win32ActiveDesktop.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileFile.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SoundPlayer.h"
#include "platform/win32/Win32SystemParameters.h"
#include "platform/win32/Win32TopLevelWindows.h"
#include "updater/QuietUser.h"
#include "updater/SeededRandom.h"
#include "updater/win32/UpdaterWindow.h"

#include <windows.h>

namespace {

constexpr const char* InstanceMutex = "Lumivane3UpdaterInstance";

struct UpdaterSystem {
    lv::win32::Win32Registry registry;
    lv::win32::Win32ProfileFile profile;
    lv::win32::Win32FileSystem files;
    lv::win32::Win32Shell shell;
    lv::win32::Win32SystemParameters system;
    lv::win32::Win32Screen screen;
    lv::win32::Win32ActiveDesktopService activeDesktop;
    lv::win32::Win32SoundPlayer sound;
    lv::win32::Win32TopLevelWindows windows;
    lv::QuietDialogs dialogs;
    lv::QuietUi ui;
    lv::win32::Win32Clock clock;

    lv::Platform platform()
    {
        return lv::Platform{registry, profile, files, shell, system, screen, activeDesktop, sound, windows, dialogs,
                            ui};
    }
};

} // namespace

namespace {

// Nobody watches an unattended start: what stopped it goes to the log.
void logStartFailure(const std::string& message)
{
    try {
        lv::win32::Win32FileSystem files;
        lv::win32::Win32Clock clock;
        lv::UpdaterLog(files, clock, files.programDirectory() + lv::UpdaterLogName)
            .add("The Updater could not start: " + message);
    } catch (...) {
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // A list entry on a drive without its medium must not bring up the
    // system's own box in front of an unattended program.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // Two Updaters started together would both miss the other's window: the
    // named mutex settles it.
    const lv::win32::UniqueHandle mutex(CreateMutexA(nullptr, FALSE, InstanceMutex));
    if (GetLastError() == ERROR_ALREADY_EXISTS ||
        FindWindowA(lv::ControlCenterWindowClass, lv::UpdaterTitle) != nullptr)
        return 0;
    int exitCode = 0;
    try {
        const lv::imaging::GifFormatRegistration gifFormat;
        UpdaterSystem system;
        lv::SeededRandom random(static_cast<std::uint32_t>(system.clock.now()) ^ GetCurrentProcessId());
        const bool ntFamily = (GetVersion() & 0x80000000u) == 0;
        lv::UpdaterRun run(lv::UpdaterPorts{system.platform(), system.clock, random, ntFamily});
        lv::ControlCenterWait wait(system.windows, system.clock);
        lv::win32::UpdaterWindow::registerClass(instance);
        lv::win32::UpdaterWindow window(instance, run, wait, system.files.programDirectory());
        if (window.create()) {
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0)
                DispatchMessageA(&msg);
        } else {
            run.reportFailure("The Updater could not start: its window could not be made");
            exitCode = 1;
        }
    } catch (...) {
        logStartFailure(lv::messageOf(std::current_exception()));
        exitCode = 1;
    }
    return exitCode;
}
