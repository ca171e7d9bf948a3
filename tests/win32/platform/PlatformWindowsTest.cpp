// Message boxes, the open dialog, other programs' windows and the message
// pump, each answered or checked from a second thread as a user would.
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32TopLevelWindows.h"
#include "platform/win32/Win32UserDialogs.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace lv;

// Finds a dialog by title within a few seconds, as a user would see it.
HWND waitForDialog(const char* title)
{
    for (int i = 0; i < 500; ++i) {
        if (HWND box = FindWindowA("#32770", title)) return box;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

// Presses a button of a dialog from another thread.
std::thread pressLater(const char* title, int button, std::atomic<bool>& found)
{
    return std::thread([title, button, &found] {
        HWND box = waitForDialog(title);
        found = box != nullptr;
        if (box) PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    });
}

TEST(Win32UserDialogs, ConfirmIsTrueOnlyForYes)
{
    win32::Win32UserDialogs dialogs;
    for (const auto& [button, expected] : {std::pair{IDYES, true}, std::pair{IDNO, false}}) {
        std::atomic<bool> found{false};
        std::thread user = pressLater("Confirm", button, found);
        const bool answer = dialogs.confirm("Delete the selected files from the list?");
        user.join();
        EXPECT_TRUE(found);
        EXPECT_EQ(answer, expected);
    }
}

TEST(Win32UserDialogs, ErrorBoxCarriesTheApplicationTitle)
{
    win32::Win32UserDialogs dialogs;
    std::atomic<bool> found{false};
    std::thread user = pressLater("Lumivane 3", IDOK, found);
    dialogs.showError("Unable to write to C:\\x.ini");
    user.join();
    EXPECT_TRUE(found);
}

TEST(Win32UserDialogs, OpenDialogGivesFullPathsOfTheChosenFiles)
{
    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "lvdialog" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    win32::Win32FileSystem files;
    ASSERT_TRUE(files.writeFile(folder + "\\first.txt", {'x'}));
    ASSERT_TRUE(files.writeFile(folder + "\\second file.txt", {'y'}));
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(folder.c_str());

    win32::Win32UserDialogs dialogs;
    std::atomic<bool> found{false};
    std::thread user([&] {
        HWND dialog = waitForDialog("Pick test files");
        found = dialog != nullptr;
        if (!dialog) return;
        HWND name = nullptr;
        for (int i = 0; i < 250 && !name; ++i) {
            name = GetDlgItem(dialog, 0x47c);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("\"second file.txt\" \"first.txt\""));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    });
    const auto chosen = dialogs.openFiles("Text files|*.txt|All files|*.*", "Pick test files");
    user.join();

    std::atomic<bool> cancelFound{false};
    std::thread canceller = pressLater("Pick test files", IDCANCEL, cancelFound);
    const auto cancelled = dialogs.openFiles("Text files|*.txt", "Pick test files");
    canceller.join();

    SetCurrentDirectoryA(previous);
    files.deleteFile(folder + "\\first.txt");
    files.deleteFile(folder + "\\second file.txt");
    RemoveDirectoryA(folder.c_str());

    EXPECT_TRUE(found);
    EXPECT_EQ(chosen, (std::vector<std::string>{folder + "\\second file.txt", folder + "\\first.txt"}));
    EXPECT_TRUE(cancelFound);
    EXPECT_TRUE(cancelled.empty());
}

class TestWindow {
public:
    explicit TestWindow(const char* title)
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &TestWindow::procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "LvPlatformTestWindow";
        RegisterClassA(&windowClass); // a second registration fails harmlessly
        handle = CreateWindowExA(0, "LvPlatformTestWindow", title, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    ~TestWindow()
    {
        if (IsWindow(handle)) DestroyWindow(handle);
    }

    static inline int appMessages = 0;
    static inline int paints = 0;
    HWND handle;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_APP + 1) {
            ++appMessages;
            return 0;
        }
        if (message == WM_PAINT) ++paints;
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

TEST(Win32TopLevelWindows, FindsByClassAndTitleAndClosesAtOnce)
{
    TestWindow window("Lumivane Test Target");
    ASSERT_NE(window.handle, nullptr);
    win32::Win32TopLevelWindows windows;
    const WindowHandle found = windows.find("LvPlatformTestWindow", "Lumivane Test Target");
    EXPECT_EQ(found, reinterpret_cast<WindowHandle>(window.handle));
    EXPECT_EQ(windows.find("LvPlatformTestWindow", "Another Title"), 0u);
    EXPECT_EQ(windows.find("NoSuchClass", "Lumivane Test Target"), 0u);
    windows.close(found);
    EXPECT_FALSE(IsWindow(window.handle));
}

TEST(Win32Ui, PumpsPendingMessagesAndKeepsAQuitRequest)
{
    TestWindow window("Pump Target");
    TestWindow::appMessages = 0;
    PostMessageA(window.handle, WM_APP + 1, 0, 0);
    PostMessageA(window.handle, WM_APP + 1, 0, 0);
    win32::Win32Ui ui;
    ui.processMessages();
    EXPECT_EQ(TestWindow::appMessages, 2);

    PostQuitMessage(7);
    ui.processMessages();
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

TEST(Win32Ui, WhileTheHourglassShowsLooksAtTheQueueOncePerTick)
{
    const auto nextTick = [] {
        const DWORD start = GetTickCount();
        while (GetTickCount() == start) Sleep(0);
    };
    TestWindow window("Pump Target");
    TestWindow::appMessages = 0;
    win32::Win32Ui ui;
    ui.setHourglass(true);
    PostMessageA(window.handle, WM_APP + 1, 0, 0);
    nextTick();
    ui.processMessages();
    EXPECT_EQ(TestWindow::appMessages, 1);

    // A decoder's calls, one a row: between the looks they cost nothing.
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int row = 0; row < 3000; ++row) ui.processMessages();
    QueryPerformanceCounter(&end);
    EXPECT_LT((end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart, 5.0) << "ms for 3000 calls";

    PostMessageA(window.handle, WM_APP + 1, 0, 0);
    nextTick();
    ui.processMessages();
    EXPECT_EQ(TestWindow::appMessages, 2);
    ui.setHourglass(false);
}

TEST(Win32Ui, PaintsWithoutHandlingOtherMessages)
{
    TestWindow window("Paint Target");
    ShowWindow(window.handle, SW_SHOWNOACTIVATE);
    win32::Win32Ui ui;
    ui.processMessages();
    TestWindow::appMessages = TestWindow::paints = 0;
    PostMessageA(window.handle, WM_APP + 1, 0, 0);
    InvalidateRect(window.handle, nullptr, FALSE);
    ui.paintWindows();
    EXPECT_EQ(TestWindow::paints, 1);
    EXPECT_EQ(TestWindow::appMessages, 0);
    ui.processMessages();
    EXPECT_EQ(TestWindow::appMessages, 1);
}

TEST(Win32Ui, ShowsTheHourglassUntilTheOutermostActionEnds)
{
    win32::Win32Ui ui;
    ui.setHourglass(true);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    ui.setHourglass(true);
    ui.setHourglass(false);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_TRUE(ui.hourglass());
    ui.setHourglass(false);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_FALSE(ui.hourglass());
}

} // namespace
