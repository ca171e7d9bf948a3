#pragma once
// The user as the Updater sees it: nobody. It runs unattended at Windows
// start, so it never asks, never shows a box, and never lets window messages
// run in the middle of a change (a WM_CLOSE must come between changes).
#include "platform/UserDialogs.h"

namespace lv {

class QuietDialogs : public UserDialogs {
public:
    bool confirm(const std::string&) override { return false; }
    void showError(const std::string&) override {}
    void showMessage(const std::string&, const std::string&) override {}
    std::vector<std::string> openFiles(const std::string&, const std::string&) override { return {}; }
};

class QuietUi : public Ui {
public:
    void setHourglass(bool) override {}
    void processMessages() override {}
    void paintWindows() override {}
};

} // namespace lv
