#pragma once
// The view of the main window (`Tmainform`): a borderless window of fixed
// client size, centred on the screen. Messages are unpacked here and passed
// to typed handlers; what the window's parts mean lives in the portable
// layout (app/MainFormLayout.h).
#include "app/MainFormLayout.h"
#include "app/win32/Application.h"

#include <windows.h>

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

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    void onCreate();
    void onPaint(HDC dc);
    bool isDragStrip(Point client) const;
    void onLeftButtonDown(Point client);
    void onLeftButtonUp(Point client);
    void onClose();
    void onDestroy();

    void paintPlaceholder(HDC dc) const;

    Application& application_;
    HWND window_ = nullptr;
    bool createFailed_ = false;
    // The title box under a press that has not been released yet.
    ChromePart pressed_ = ChromePart::None;
};

} // namespace lv::win32
