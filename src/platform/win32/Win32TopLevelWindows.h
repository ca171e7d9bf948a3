#pragma once
#include "platform/TopLevelWindows.h"

namespace lv::win32 {

class Win32TopLevelWindows : public TopLevelWindows {
public:
    WindowHandle find(const std::string& className, const std::string& title) override;
    void close(WindowHandle window) override;
};

} // namespace lv::win32
