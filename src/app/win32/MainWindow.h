#pragma once
// The view of the main window (`Tmainform`): a borderless window of fixed
// client size, centred on the screen. Messages are unpacked here and passed
// to typed handlers; what the window's parts mean lives in the portable
// layout (app/MainFormLayout.h).
#include "app/MainFormLayout.h"
#include "app/MainView.h"
#include "app/mainform.h"
#include "app/win32/Application.h"
#include "platform/win32/Handles.h"
#include "app/win32/MainChrome.h"
#include "dialogs/win32/FolderWindow.h"
#include "app/win32/PageControls.h"
#include "dialogs/folder.h"
#include "dialogs/win32/AboutBox.h"
#include "scheduler/win32/ScheduleWindow.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace lv::win32 {

class MainWindow : public MainView {
public:
    explicit MainWindow(Application& application);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Registers the window class once per process; throws when the system
    // refuses it.
    static void registerClass(HINSTANCE instance);

    // Creates the window, centred on the screen, which runs the start-up
    // sequence. False when the window did not come into being: start-up
    // ended the program (endedAtStartUp) or its handler failed (the error box
    // has been shown then); throws when the system cannot create a window.
    bool create();
    bool endedAtStartUp() const { return endedAtStartUp_; }
    void show(int showCommand);
    HWND handle() const { return window_; }

    // Called by the window procedure (platform/win32/WindowProcedure.h).
    void attach(HWND window);
    void detach();
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void reportError(const std::string& message);

    // What the main window's logic asks of its view.
    void shapeWindow() override;
    void setTitle(const std::string& title) override;
    void sendPaperOptionsToBack() override;
    void acceptDroppedFiles() override;
    void setHintDelay(int milliseconds) override;
    void colourSkinControls() override;
    void refreshControls() override;
    void endApplication() override;
    void bringPreviewToFront() override;
    void sendPreviewToBack() override;
    void showFolderDialog() override;
    void showScheduler() override;

private:
    // A real check box showing one option of the logic.
    struct OptionBox {
        int id;
        const char* caption;
        CheckBoxState* state;
        HWND window;
    };

    bool onCreate();
    // WM_CTLCOLORSTATIC: the skin's colours for a static or field control.
    LRESULT controlColours(HDC dc, HWND control);
    // The about box, the scheduler and the folder dialog, made once.
    void makeOtherWindows();
    void createControls();
    // Every skinned button does what the main window's map says.
    void wireSkinnedButtons();
    void click(const ButtonAction& action);
    void showPage(MainPage page);
    void onCommand(int id, int notification);

    void onPaint(HDC dc, const RECT& area);
    void onClose();
    void onDestroy();

    Application& application_;
    Win32Platform platform_;
    std::unique_ptr<Tmainform> form_;
    std::unique_ptr<MainChrome> chrome_;
    std::unique_ptr<PageControls> controls_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<ScheduleWindow> schedule_;
    std::unique_ptr<FolderWindow> folderWindow_;
    Taddfolder folder_;
    std::vector<OptionBox> options_;
    HWND window_ = nullptr;
    bool endedAtStartUp_ = false;
    bool starting_ = false;
    int hintDelay_ = 0;
    // The colour of the controls on the skin, and its brush.
    COLORREF controlColour_ = RGB(210, 218, 232);
    GdiObject<HBRUSH> controlBrush_;
    // The read-only fields show their text on white.
    GdiObject<HBRUSH> fieldBrush_{CreateSolidBrush(RGB(255, 255, 255))};
    bool createFailed_ = false;
};

} // namespace lv::win32
