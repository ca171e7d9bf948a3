// The main window's view under the real window system: class, title, frame,
// placement, closing, and the error box of the general error handler.
#include "app/MainFormLayout.h"
#include "app/win32/Application.h"
#include "app/win32/MainWindow.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <future>
#include <string>
#include <vector>

namespace {

using lv::win32::Application;
using lv::win32::MainWindow;

HINSTANCE thisInstance()
{
    return GetModuleHandleA(nullptr);
}

// Drains the queue; true when WM_QUIT was among the messages.
bool pumpUntilQuit()
{
    MSG message;
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            quit = true;
        DispatchMessageA(&message);
    }
    return quit;
}

TEST(MainWindowView, IsABorderlessWindowOfFixedClientSizeCentredOnTheScreen)
{
    Application application(thisInstance());
    MainWindow::registerClass(thisInstance());
    MainWindow::registerClass(thisInstance()); // a second call registers nothing and does not fail
    MainWindow window(application);
    ASSERT_TRUE(window.create());
    const HWND hwnd = window.handle();

    EXPECT_EQ(FindWindowA(lv::MainFormClassName, lv::MainFormTitle), hwnd);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));

    RECT client{}, outer{};
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(client.right, 591);
    EXPECT_EQ(client.bottom, 426);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 591) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 426) / 2);

    // The whole client area is painted by WM_PAINT, so erasing does nothing.
    HDC dc = GetDC(hwnd);
    EXPECT_EQ(SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), TRUE);
    ReleaseDC(hwnd, dc);
    pumpUntilQuit();
}

// The classes of the top-level windows this thread creates, in order.
std::vector<std::string> createdTopLevel;

LRESULT CALLBACK recordCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA& create = *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        char name[64] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (!(create.style & WS_CHILD))
            createdTopLevel.push_back(name);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The main window shows alone; the others follow before the first input.
TEST(MainWindowView, CreatesTheMainWindowThenTheAboutBoxTheSchedulerAndTheFolderDialog)
{
    Application application(thisInstance());
    MainWindow::registerClass(thisInstance());
    MainWindow window(application);
    createdTopLevel.clear();
    const HHOOK hook = SetWindowsHookExA(WH_CBT, recordCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    // Hint windows of the controls are top-level too; only the program's own count.
    auto programWindows = [] {
        std::vector<std::string> windows;
        for (const std::string& name : createdTopLevel)
            if (name.starts_with('T'))
                windows.push_back(name);
        return windows;
    };
    const bool created = window.create();
    if (created)
        window.show(SW_SHOWNORMAL);
    const std::vector<std::string> shown = programWindows();
    // Nor is the hint window made before the mouse comes.
    const bool hintWindow = std::ranges::find(createdTopLevel, "tooltips_class32") != createdTopLevel.end();
    pumpUntilQuit();
    UnhookWindowsHookEx(hook);
    ASSERT_TRUE(created);
    EXPECT_EQ(shown, (std::vector<std::string>{"Tmainform"}));
    EXPECT_FALSE(hintWindow);
    EXPECT_EQ(programWindows(), (std::vector<std::string>{"Tmainform", "Tbigabout", "Tschedule", "Taddfolder"}));
    DestroyWindow(window.handle());
    pumpUntilQuit();
}

TEST(MainWindowView, CloseAsksThenDestroysTheWindowAndEndsTheMessageLoop)
{
    Application application(thisInstance());
    MainWindow::registerClass(thisInstance());
    MainWindow window(application);
    ASSERT_TRUE(window.create());
    window.show(SW_SHOWNORMAL);
    const HWND hwnd = window.handle();

    // Closing is Quit: it asks first; another thread answers Yes.
    auto asked = std::async(std::launch::async, [] {
        for (int i = 0; i < 200; ++i) {
            if (HWND box = FindWindowA("#32770", "Confirm")) {
                char text[256] = {};
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                PostMessageA(box, WM_COMMAND, IDYES, 0);
                return std::string(text);
            }
            Sleep(25);
        }
        return std::string("(no box)");
    });
    pumpUntilQuit(); // nothing left over from earlier tests
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(asked.get(), "Exit Without Saving?");
    // The window goes once the handler has returned to the message loop.
    bool quit = false;
    for (int i = 0; i < 200 && (IsWindow(hwnd) || !quit); ++i) {
        quit = pumpUntilQuit() || quit;
        Sleep(10);
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_TRUE(quit);
}

TEST(MainWindowView, ErrorBoxCarriesTheMessageUnderTheApplicationTitle)
{
    Application application(thisInstance());
    EXPECT_EQ(application.title(), "Lumivane 3");

    // Another thread answers the box the way a user would.
    auto seen = std::async(std::launch::async, [] {
        for (int i = 0; i < 200; ++i) {
            if (HWND box = FindWindowA("#32770", "Lumivane 3")) {
                char text[256] = {};
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return std::string(text);
            }
            Sleep(25);
        }
        return std::string("(no box)");
    });
    application.showError("Unable to write to C:\\lumivane3.ini");
    EXPECT_EQ(seen.get(), "Unable to write to C:\\lumivane3.ini");
}

} // namespace
