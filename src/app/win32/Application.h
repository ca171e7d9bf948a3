#pragma once
// The program as the window system sees it: its title, the general error
// handler that shows every failure in a message box, and the message loop.
#include <windows.h>

#include <string>

namespace lv::win32 {

class Application {
public:
    explicit Application(HINSTANCE instance);

    HINSTANCE instance() const { return instance_; }
    const std::string& title() const { return title_; }

    // Sets the window that owns the error boxes (the main window while it exists).
    void setMainWindow(HWND window) { mainWindow_ = window; }

    // The general error handler: the message in a box titled with the
    // application title; the window it came from stays open.
    void showError(const std::string& message) const;

    // Runs the message loop until the main window has gone; returns the
    // process's exit code.
    int run();

private:
    HINSTANCE instance_;
    std::string title_;
    HWND mainWindow_ = nullptr;
};

} // namespace lv::win32
