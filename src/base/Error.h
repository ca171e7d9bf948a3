#pragma once
// The one exception type of the program: it carries the exact message the
// user is shown by the general error handler.
#include <stdexcept>
#include <string>

namespace lv {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Replaces the first "%s" of a message pattern with text, as the system's
// messages are written ("Unable to write to %s").
std::string formatMessage(const std::string& pattern, const std::string& text);

} // namespace lv
