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

class FakeUi : public Ui {
public:
    void setHourglass(bool on) override
    {
        (on ? hourglassOn : hourglassOff)++;
        hourglass = on;
    }
    void processMessages() override { ++messagePumps; }

    bool hourglass = false;
    int hourglassOn = 0;
    int hourglassOff = 0;
    int messagePumps = 0;
};

} // namespace lv::fakes
