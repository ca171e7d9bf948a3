#pragma once
// Top-level windows of other programs, by class and title.
#include <cstdint>
#include <string>

namespace lv {

using WindowHandle = std::uintptr_t; // 0: none

class TopLevelWindows {
public:
    virtual ~TopLevelWindows() = default;
    virtual WindowHandle find(const std::string& className, const std::string& title) = 0;
    // Sends WM_CLOSE and returns when the window has handled it.
    virtual void close(WindowHandle window) = 0;
};

} // namespace lv
