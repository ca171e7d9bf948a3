#include "platform/win32/Win32SystemParameters.h"

#include "platform/win32/Handles.h"

namespace lv::win32 {

// Every change passes update flags 0: it lasts for this session only and is
// not broadcast, as the port promises.

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

bool Win32SystemParameters::setDeskWallpaper(const std::string& path)
{
    std::string text = path;
    return SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, text.data(), 0) != 0;
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
