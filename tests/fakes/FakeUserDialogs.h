#pragma once
// The user, scripted: answers come from queues the test fills, and every
// text shown is recorded. A question with no answer queued is a fault of
// the test and throws std::logic_error.
#include "platform/UserDialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace lv::fakes {

struct OpenFilesRequest {
    std::string filter, title;
};

class FakeUserDialogs : public UserDialogs {
public:
    bool confirm(const std::string& text) override;
    void showError(const std::string& text) override { errors.push_back(text); }
    void showMessage(const std::string& title, const std::string& text) override
    {
        messages.push_back(title + ": " + text);
    }
    std::vector<std::string> openFiles(const std::string& filter, const std::string& title) override;

    std::deque<bool> confirmAnswers;
    std::deque<std::vector<std::string>> openFilesAnswers; // an empty list is a cancel
    std::vector<std::string> confirmations;
    std::vector<std::string> errors;
    std::vector<std::string> messages; // "title: text"

    std::vector<OpenFilesRequest> openFilesRequests;
};

// Nests the hourglass as the system's adapter does, and counts.
class FakeUi : public Ui {
public:
    void setHourglass(bool on) override
    {
        (on ? hourglassOn : hourglassOff)++;
        depth += on ? 1 : (depth > 0 ? -1 : 0);
        if (hourglass && depth == 0)
            ++arrowsShown;
        hourglass = depth > 0;
    }
    void processMessages() override { ++messagePumps; }
    void paintWindows() override
    {
        ++paints;
        paintsUnderHourglass += hourglass;
    }

    bool hourglass = false;
    int depth = 0;
    int hourglassOn = 0;
    int hourglassOff = 0;
    int arrowsShown = 0; // times the hourglass gave way to the arrow
    int messagePumps = 0;
    int paints = 0;
    int paintsUnderHourglass = 0;
};

} // namespace lv::fakes
