#pragma once
// The one exception type of the program: it carries the exact message the
// user is shown by the general error handler.
#include <stdexcept>
#include <string>
#include <utility>

namespace lv {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A change whose target (a file, a registry value, a setting) could not be
// written. The file the user chose is not to blame: the change is tried
// again later, and the list keeps the file. The reason, when the system
// gave one, says why.
class WriteRefused : public Error {
public:
    explicit WriteRefused(const std::string& message, std::string reason = {})
        : Error(message), reason_(std::move(reason))
    {
    }
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// Replaces the first "%s" of a message pattern with text, as the system's
// messages are written ("Unable to write to %s").
std::string formatMessage(const std::string& pattern, const std::string& text);

} // namespace lv
