// Program entry of the Control Center: the application, its main window and
// the message loop.
#include "base/ErrorBoundary.h"
#include "app/win32/Application.h"
#include "app/win32/MainWindow.h"
#include "imaging/PictureFormats.h"
#include "platform/win32/Win32ActiveDesktop.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    // A file on a drive without its medium gets the program's own message,
    // not the system's box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    lv::win32::Application application(instance);
    const lv::ErrorReport report = [&](const std::string& text) { application.showError(text); };
    int exitCode = 1;
    lv::runGuarded(
        [&] {
            // GIF pictures are read by the program's own decoder for the whole run.
            const lv::imaging::GifFormatRegistration gifFormat;
            const lv::win32::ComApartment com;
            lv::win32::MainWindow::registerClass(instance);
            lv::win32::MainWindow mainWindow(application);
            if (!mainWindow.create()) {
                // Ending at start-up by the user's choice is no failure.
                if (mainWindow.endedAtStartUp())
                    exitCode = 0;
                return;
            }
            mainWindow.show(showCommand);
            exitCode = application.run();
        },
        report);
    return exitCode;
}
