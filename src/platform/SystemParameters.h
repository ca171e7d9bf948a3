#pragma once
// System-wide settings changed for the running session only: every change is
// made with update flags 0 (not written to the user profile, not broadcast).
#include <string>

namespace lv {

class SystemParameters {
public:
    virtual ~SystemParameters() = default;
    // Screen saver idle time in seconds.
    virtual int screenSaveTimeout() = 0;
    virtual void setScreenSaveTimeout(int seconds) = 0;
    virtual void setScreenSaveActive(bool active) = 0;
    // Shows the bitmap file as wallpaper now; the system's result.
    virtual bool setDeskWallpaper(const std::string& path) = 0;
    // The wallpaper file shown now, also when set for this session only;
    // empty when there is none or the system cannot tell.
    virtual std::string deskWallpaper() = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual int width() = 0;
    virtual int height() = 0;
    // Bits per pixel of the display (8 or fewer means a palette display).
    virtual int colorBits() = 0;
};

} // namespace lv
