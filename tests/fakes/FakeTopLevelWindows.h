#pragma once
// Other programs' top-level windows, set up by the test; closing one records
// it and, unless the test says the window refuses, makes it go away.
#include "platform/TopLevelWindows.h"

#include <string>
#include <vector>

namespace lv::fakes {

class FakeTopLevelWindows : public TopLevelWindows {
public:
    struct Window {
        WindowHandle handle;
        std::string className, title;
        bool refusesClose = false;
    };

    WindowHandle find(const std::string& className, const std::string& title) override
    {
        for (const Window& window : windows)
            if (window.className == className && window.title == title) return window.handle;
        return 0;
    }

    void close(WindowHandle handle) override
    {
        closed.push_back(handle);
        for (auto it = windows.begin(); it != windows.end(); ++it)
            if (it->handle == handle) {
                if (!it->refusesClose) windows.erase(it);
                return;
            }
    }

    WindowHandle addWindow(const std::string& className, const std::string& title, bool refusesClose = false)
    {
        windows.push_back({nextHandle_, className, title, refusesClose});
        return nextHandle_++;
    }

    std::vector<Window> windows;
    std::vector<WindowHandle> closed;

private:
    WindowHandle nextHandle_ = 0x1000;
};

} // namespace lv::fakes
