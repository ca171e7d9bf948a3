#pragma once
// The general error handler's catch: every window procedure runs its
// handlers through it, so no exception ever unwinds into the window system.
// The failed action stops where it was; the report shows its message.
#include <exception>
#include <functional>
#include <string>
#include <type_traits>

namespace lv {

using ErrorReport = std::function<void(const std::string& message)>;

// The text shown for an exception: its own message, or a plain one when it
// carries none.
std::string messageOf(std::exception_ptr error);

// Reports the exception; a report that fails itself is swallowed, since
// nothing may leave a window procedure.
void reportFailure(const ErrorReport& report, std::exception_ptr error) noexcept;

// Runs handler; returns its result, or failed after reporting the exception.
template <class Handler, class Result = std::invoke_result_t<Handler>>
Result runGuarded(Handler&& handler, const ErrorReport& report, Result failed)
{
    try {
        return std::forward<Handler>(handler)();
    } catch (...) {
        reportFailure(report, std::current_exception());
        return failed;
    }
}

// For handlers without a result; true when the handler completed.
template <class Handler>
bool runGuarded(Handler&& handler, const ErrorReport& report)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        reportFailure(report, std::current_exception());
        return false;
    }
}

} // namespace lv
