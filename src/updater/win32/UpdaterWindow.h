#pragma once
// The Updater's one window: hidden for the whole run, found by the Control
// Center by its class and title, and the receiver of the timers, the
// wake-up notices, the tray icon's messages and the commands.
#include "updater/ControlCenterWait.h"
#include "updater/UpdaterRun.h"

#include <windows.h>

#include <string>

namespace lv::win32 {

class UpdaterWindow {
public:
    UpdaterWindow(HINSTANCE instance, UpdaterRun& run, ControlCenterWait& wait, std::string programDirectory);

    static void registerClass(HINSTANCE instance);
    // Creates the window and starts the run: at once, or once the Control
    // Center has gone. False when the window could not be made.
    bool create();

    template <class Window>
    friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);

private:
    void attach(HWND window) { window_ = window; }
    void detach() { window_ = nullptr; }
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void reportError(const std::string& message) { run_.reportFailure(message); }

    template <class Change>
    void changing(Change&& change);
    // WM_CLOSE, Exit and the session's end.
    void close();
    void checkControlCenter();
    void begin();
    void onTimer(UINT_PTR id);
    void onCommand(int command);
    void onResume();
    void onTrayNotice(LPARAM event);
    void afterChanges();
    void armTimers();
    void showTrayIcon(DWORD action);
    void removeTrayIcon();
    void showTrayMenu();

    HINSTANCE instance_;
    UpdaterRun& run_;
    ControlCenterWait& wait_;
    std::string programDirectory_;
    HWND window_ = nullptr;
    UINT taskbarCreated_ = 0;
    bool running_ = false; // the run has begun: commands and timers act
    bool trayIcon_ = false;
    bool changing_ = false;      // a change is under way
    bool closeWhenDone_ = false; // WM_CLOSE came during it
};

} // namespace lv::win32
