#pragma once
// The view of the main window (`Tmainform`): a borderless window of fixed
// client size, centred on the screen. Messages are unpacked here and passed
// to typed handlers; what the window's parts mean lives in the portable
// layout (app/MainFormLayout.h).
#include "app/MainFormLayout.h"
#include "app/win32/Application.h"
#include "app/win32/MainChrome.h"
#include "dialogs/win32/AboutBox.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <memory>
#include <string>

namespace lv::win32 {

class MainWindow {
public:
    explicit MainWindow(Application& application);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Registers the window class once per process; throws when the system
    // refuses it.
    static void registerClass(HINSTANCE instance);

    // Creates the window, centred on the screen. False when its creation
    // handler failed (the error box has been shown then); throws when the
    // system cannot create a window at all.
    bool create();
    void show(int showCommand);
    HWND handle() const { return window_; }

    // Called by the window procedure (app/win32/WindowProcedure.h).
    void attach(HWND window);
    void detach();
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void reportError(const std::string& message);

private:

    void onCreate();
    void wireButtons();
    void onPaint(HDC dc, const RECT& area);
    void onClose();
    void onDestroy();
    void help();

    Application& application_;
    Win32Platform platform_;
    HWND window_ = nullptr;
    bool createFailed_ = false;
    std::unique_ptr<MainChrome> chrome_;
    std::unique_ptr<AboutBox> about_;
};

} // namespace lv::win32
