#pragma once
// System-wide settings. Changes are made for the running session only (update
// flags 0: not written to the user profile, not broadcast) unless a call says
// it stores them.
#include <string>

namespace lv {

class SystemParameters {
public:
    virtual ~SystemParameters() = default;
    // Screen saver idle time in seconds.
    virtual int screenSaveTimeout() = 0;
    virtual void setScreenSaveTimeout(int seconds) = 0;
    virtual void setScreenSaveActive(bool active) = 0;
    // Shows the bitmap file as wallpaper now; the system's result. With
    // lasting, the change is also stored in the user profile and announced
    // to every window, so that it outlives the session.
    virtual bool setDeskWallpaper(const std::string& path, bool lasting) = 0;
    // True while a screen saver runs.
    virtual bool screenSaverRunning() = 0;
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
