#include "fakes/FakeUserDialogs.h"

#include <stdexcept>

namespace lv::fakes {

bool FakeUserDialogs::confirm(const std::string& text)
{
    confirmations.push_back(text);
    if (confirmAnswers.empty()) throw std::logic_error("unexpected confirmation: " + text);
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::vector<std::string> FakeUserDialogs::openFiles(const std::string& filter, const std::string& title)
{
    openFilesRequests.push_back({filter, title});
    if (openFilesAnswers.empty()) throw std::logic_error("unexpected open dialog: " + title);
    auto answer = openFilesAnswers.front();
    openFilesAnswers.pop_front();
    return answer;
}

} // namespace lv::fakes
