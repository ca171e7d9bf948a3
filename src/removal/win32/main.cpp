// Program entry of the restore program, which the uninstaller runs before it
// removes the folder (and a user removing the programs by hand runs
// himself): "/S" restores without asking and shows nothing.
#include "base/ErrorBoundary.h"
#include "base/Text.h"
#include "platform/win32/Win32Platform.h"
#include "removal/DesktopRestore.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

// Read by hand: string streams would pull locale functions Windows 98's
// msvcrt lacks into the program.
bool quietRequested(const char* commandLine)
{
    const std::string text = commandLine ? commandLine : "";
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (lv::upperCaseAtoZ(text.substr(start, end - start)) == "/S")
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    // A logo or sound on a drive without its medium must not bring up the
    // system's own box in the middle of an unattended removal.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const bool quiet = quietRequested(commandLine);
    try {
        lv::win32::Win32Platform system;
        return lv::runDesktopRestore(system.platform(), quiet);
    } catch (...) {
        if (!quiet)
            MessageBoxA(nullptr, lv::messageOf(std::current_exception()).c_str(), lv::ApplicationTitle,
                        MB_OK | MB_ICONERROR);
        return 1;
    }
}
