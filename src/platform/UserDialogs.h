#pragma once
// Questions and messages to the user, and the common open dialog.
#include <string>
#include <vector>

namespace lv {

constexpr const char* ApplicationTitle = "Lumivane 3";

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // Confirmation box titled "Confirm" with Yes and No; true for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // Error box titled with the application title.
    virtual void showError(const std::string& text) = 0;
    // Error box with its own title (and an OK button).
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // Multi-select open dialog accepting only existing files. The filter is
    // "description|patterns|description|patterns..."; returns full paths in
    // the order the dialog gives them, empty when cancelled.
    virtual std::vector<std::string> openFiles(const std::string& filter, const std::string& title) = 0;
};

// The cursor and the message pump during long work.
class Ui {
public:
    virtual ~Ui() = default;
    // Calls nest: the hourglass shows from the first "on" until the "off"
    // that matches it, so a long action can hold it across the shorter
    // ones it calls.
    virtual void setHourglass(bool on) = 0;
    // Lets pending window messages run (repaints during a long decode).
    virtual void processMessages() = 0;
    // Paints what is waiting to be painted in the program's windows and
    // handles nothing else, so no input reaches the work in progress.
    virtual void paintWindows() = 0;
};

// Shows the hourglass for one action and always restores the cursor.
class HourglassCursor {
public:
    explicit HourglassCursor(Ui& ui) : ui_(ui) { ui_.setHourglass(true); }
    ~HourglassCursor() { ui_.setHourglass(false); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

private:
    Ui& ui_;
};

} // namespace lv
