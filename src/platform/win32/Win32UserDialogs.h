#pragma once
#include "platform/UserDialogs.h"
#include "platform/TopLevelWindows.h"

namespace lv::win32 {

class Win32UserDialogs : public UserDialogs {
public:
    // The window the boxes and the dialog belong to; without one, the
    // thread's active window.
    void setOwner(WindowHandle owner) { owner_ = owner; }

    bool confirm(const std::string& text) override;
    void showError(const std::string& text) override;
    void showMessage(const std::string& title, const std::string& text) override;
    std::vector<std::string> openFiles(const std::string& filter, const std::string& title) override;

private:
    WindowHandle owner_ = 0;
};

class Win32Ui : public Ui {
public:
    void setHourglass(bool on) override;
    void processMessages() override;
    void paintWindows() override;
    // For the windows' WM_SETCURSOR: while true, they keep the hourglass.
    bool hourglass() const { return depth_ > 0; }

private:
    int depth_ = 0;
    unsigned long lastLook_ = 0; // the tick count of the last look at the queue
};

} // namespace lv::win32
