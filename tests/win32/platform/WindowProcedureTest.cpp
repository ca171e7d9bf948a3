// The shared window procedure (on a class registered by the kit): the window's object is reachable from the
// first message to the last, and exceptions from handlers are reported and
// stop at the procedure.
#include "base/Error.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowProcedure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT FailingMessage = WM_APP + 1;
constexpr UINT AnsweringMessage = WM_APP + 2;

struct ProbeWindow {
    bool failCreate = false;
    HWND window = nullptr;
    bool attached = false;
    bool detached = false;
    std::vector<std::string> reports;

    void attach(HWND w)
    {
        window = w;
        attached = true;
    }
    void detach()
    {
        window = nullptr;
        detached = true;
    }
    void reportError(const std::string& message) { reports.push_back(message); }
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_CREATE && failCreate)
            throw lv::Error("Cannot open the skin");
        if (message == FailingMessage)
            throw lv::Error("Unable to write to C:\\lumivane3.ini");
        if (message == AnsweringMessage)
            return 1234;
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

class WindowProcedure : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        lv::win32::registerWindowClassOnce(GetModuleHandleA(nullptr), "LvProbeWindow",
                                           &lv::win32::windowProcedure<ProbeWindow>);
    }

    HWND create(ProbeWindow& probe)
    {
        return CreateWindowExA(0, "LvProbeWindow", "probe", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), &probe);
    }
};

TEST_F(WindowProcedure, ReachesTheObjectUntilTheWindowIsGone)
{
    ProbeWindow probe;
    const HWND window = create(probe);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(probe.attached);
    EXPECT_EQ(probe.window, window);
    EXPECT_EQ(SendMessageA(window, AnsweringMessage, 0, 0), 1234);
    DestroyWindow(window);
    EXPECT_TRUE(probe.detached);
    EXPECT_EQ(probe.window, nullptr);
    EXPECT_TRUE(probe.reports.empty());
}

TEST_F(WindowProcedure, AFailingHandlerIsReportedAndTheWindowStaysOpen)
{
    ProbeWindow probe;
    const HWND window = create(probe);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageA(window, FailingMessage, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(probe.reports, std::vector<std::string>{"Unable to write to C:\\lumivane3.ini"});
    // The window goes on answering after the failure.
    EXPECT_EQ(SendMessageA(window, AnsweringMessage, 0, 0), 1234);
    DestroyWindow(window);
}

TEST_F(WindowProcedure, AFailedCreationHandlerPreventsTheWindow)
{
    ProbeWindow probe;
    probe.failCreate = true;
    EXPECT_EQ(create(probe), nullptr);
    EXPECT_EQ(probe.reports, std::vector<std::string>{"Cannot open the skin"});
    EXPECT_TRUE(probe.detached);
    EXPECT_EQ(FindWindowA("LvProbeWindow", "probe"), nullptr);
}

} // namespace
