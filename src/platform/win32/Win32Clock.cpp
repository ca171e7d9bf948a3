#include "platform/win32/Win32Clock.h"

#include <windows.h>

#include <cstdio>

namespace lv::win32 {

std::int64_t Win32Clock::now()
{
    // The file time goes on through sleep and hibernation, unlike the tick
    // count of timers (and GetTickCount64 is not there before Vista).
    FILETIME time{};
    GetSystemTimeAsFileTime(&time);
    const auto ticks = (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return ticks / 10'000;
}

std::string Win32Clock::timestamp()
{
    SYSTEMTIME time{};
    GetLocalTime(&time);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute, time.wSecond);
    return text;
}

} // namespace lv::win32
