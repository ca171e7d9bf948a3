#pragma once
// System settings and the screen, held in memory; changes are recorded.
#include "platform/SystemParameters.h"

#include <string>
#include <vector>

namespace lv::fakes {

class FakeSystemParameters : public SystemParameters {
public:
    int screenSaveTimeout() override { return timeoutSeconds; }
    void setScreenSaveTimeout(int seconds) override
    {
        timeoutSeconds = seconds;
        timeoutsSet.push_back(seconds);
    }
    void setScreenSaveActive(bool active) override { activeSet.push_back(active); }
    bool setDeskWallpaper(const std::string& path, bool lasting) override
    {
        wallpapersSet.push_back(path);
        lastingWallpapers.push_back(lasting);
        if (setWallpaperSucceeds) wallpaper = path;
        return setWallpaperSucceeds;
    }
    std::string deskWallpaper() override { return wallpaper; }
    bool screenSaverRunning() override { return saverRunning; }

    int timeoutSeconds = 300; // Windows' own default
    std::vector<int> timeoutsSet;
    std::vector<bool> activeSet;
    std::vector<std::string> wallpapersSet;
    std::vector<bool> lastingWallpapers;
    bool saverRunning = false;
    std::string wallpaper;
    bool setWallpaperSucceeds = true;
};

class FakeScreen : public Screen {
public:
    int width() override { return screenWidth; }
    int height() override { return screenHeight; }
    int colorBits() override { return bitsPerPixel; }

    int screenWidth = 1024;
    int screenHeight = 768;
    int bitsPerPixel = 32;
};

} // namespace lv::fakes
