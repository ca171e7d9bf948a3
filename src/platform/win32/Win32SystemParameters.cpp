#include "platform/win32/Win32SystemParameters.h"

#include "platform/win32/Handles.h"

namespace lv::win32 {

// Every change passes update flags 0 unless the caller asks for a lasting
// one: it lasts for this session only and is not broadcast.

int Win32SystemParameters::screenSaveTimeout()
{
    int seconds = 0;
    SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0);
    return seconds;
}

void Win32SystemParameters::setScreenSaveTimeout(int seconds)
{
    SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(seconds), nullptr, 0);
}

void Win32SystemParameters::setScreenSaveActive(bool active)
{
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, nullptr, 0);
}

namespace {

// How long the announcement waits for each window that is not hung.
constexpr UINT AnnounceTimeoutMs = 1000;

} // namespace

bool Win32SystemParameters::setDeskWallpaper(const std::string& path, bool lasting)
{
    std::string text = path;
    if (!SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, text.data(), lasting ? SPIF_UPDATEINIFILE : 0))
        return false;
    if (lasting) {
        // Announced here rather than by SPIF_SENDWININICHANGE, whose wait runs
        // messages other programs send to this thread (a WM_CLOSE among
        // them) in the middle of the change. SMTO_BLOCK keeps them until the
        // change is complete; a window that does not answer is not waited for.
        char area[] = "";
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, reinterpret_cast<LPARAM>(area),
                            SMTO_BLOCK | SMTO_ABORTIFHUNG, AnnounceTimeoutMs, &answer);
    }
    return true;
}

bool Win32SystemParameters::screenSaverRunning()
{
    // Windows 95 does not know the request and leaves the answer FALSE.
    BOOL running = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    return running != FALSE;
}

std::string Win32SystemParameters::deskWallpaper()
{
    // Systems before Windows 2000 may not answer this request.
    char path[MAX_PATH + 1] = "";
    if (!SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0))
        return "";
    path[MAX_PATH] = '\0';
    return path;
}

int Win32Screen::width()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int Win32Screen::height()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

int Win32Screen::colorBits()
{
    WindowDC dc;
    return GetDeviceCaps(dc.get(), BITSPIXEL) * GetDeviceCaps(dc.get(), PLANES);
}

} // namespace lv::win32
