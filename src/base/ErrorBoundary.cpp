#include "base/ErrorBoundary.h"

#include <new>
#include <stdexcept>

namespace lv {

std::string messageOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::exception& e) {
        const std::string text = e.what();
        return text.empty() ? "Unknown error" : text;
    } catch (...) {
        return "Unknown error";
    }
}

void reportFailure(const ErrorReport& report, std::exception_ptr error) noexcept
{
    try {
        report(messageOf(error));
    } catch (...) {
    }
}

} // namespace lv
