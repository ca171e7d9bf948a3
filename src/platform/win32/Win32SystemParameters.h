#pragma once
#include "platform/SystemParameters.h"

namespace lv::win32 {

class Win32SystemParameters : public SystemParameters {
public:
    int screenSaveTimeout() override;
    void setScreenSaveTimeout(int seconds) override;
    void setScreenSaveActive(bool active) override;
    bool setDeskWallpaper(const std::string& path, bool lasting) override;
    bool screenSaverRunning() override;
    std::string deskWallpaper() override;
};

class Win32Screen : public Screen {
public:
    int width() override;
    int height() override;
    int colorBits() override;
};

} // namespace lv::win32
