#include "updater/win32/UpdaterWindow.h"

#include "base/ErrorBoundary.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowProcedure.h"
#include "updater/UpdaterCommands.h"

#include <shellapi.h>

#include <algorithm>

namespace lv::win32 {

namespace {

constexpr const char* WindowClass = UpdaterIdentity.windowClass;
constexpr UINT TrayMessage = WM_APP + 1;
constexpr UINT TrayIconId = 1;

enum TimerId : UINT_PTR { ControlCenterTimer = 1, ScheduleTimer = 2, RetryTimer = 3 };
constexpr UINT ControlCenterPollMs = 200;
// A screen saver gives no notice when it stops; while a change waits for
// one, it is looked for now and then (and only then).
constexpr UINT RetryMs = 5'000;
constexpr std::int64_t LongestTimerMs = 0x7FFFFFFF;

} // namespace

UpdaterWindow::UpdaterWindow(HINSTANCE instance, UpdaterRun& run, ControlCenterWait& wait,
                             std::string programDirectory)
    : instance_(instance), run_(run), wait_(wait), programDirectory_(std::move(programDirectory))
{
}

void UpdaterWindow::registerClass(HINSTANCE instance)
{
    registerWindowClassOnce(instance, WindowClass, &windowProcedure<UpdaterWindow>);
}

bool UpdaterWindow::create()
{
    // Explorer announces its restart to every top-level window with this message.
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    // A tool window never gets a taskbar button, and it is never shown.
    if (!CreateWindowExA(WS_EX_TOOLWINDOW, WindowClass, UpdaterTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         instance_, this))
        return false;
    // The first changes run here, outside any message: a failure in them is
    // logged as one from the timer would be, and the run goes on.
    runGuarded([this] { checkControlCenter(); }, [this](const std::string& text) { reportError(text); });
    return true;
}

template <class Change>
void UpdaterWindow::changing(Change&& change)
{
    // A WM_CLOSE that a call inside the change lets in is answered at once
    // (the sender waits for it), but the window goes only when the change
    // has unwound; nothing is written after it was answered.
    changing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{changing_};
    change();
}

void UpdaterWindow::close()
{
    run_.close();
    if (changing_)
        closeWhenDone_ = true;
    else
        DestroyWindow(window_);
}

void UpdaterWindow::checkControlCenter()
{
    switch (wait_.check()) {
    case ControlCenterWait::Verdict::Go:
        KillTimer(window_, ControlCenterTimer);
        begin();
        break;
    case ControlCenterWait::Verdict::Wait:
        SetTimer(window_, ControlCenterTimer, ControlCenterPollMs, nullptr);
        break;
    case ControlCenterWait::Verdict::GiveUp:
        DestroyWindow(window_);
        break;
    }
}

void UpdaterWindow::begin()
{
    if (!run_.begin()) {
        DestroyWindow(window_);
        return;
    }
    running_ = true;
    if (run_.showsTrayIcon())
        showTrayIcon(NIM_ADD);
    changing([this] { run_.changeAll(); });
    afterChanges();
}

void UpdaterWindow::afterChanges()
{
    if (closeWhenDone_) {
        DestroyWindow(window_);
        return;
    }
    if (trayIcon_)
        showTrayIcon(NIM_MODIFY);
    armTimers();
}

void UpdaterWindow::armTimers()
{
    KillTimer(window_, ScheduleTimer);
    if (const auto wait = run_.untilNextChange())
        SetTimer(window_, ScheduleTimer, static_cast<UINT>(std::clamp<std::int64_t>(*wait, USER_TIMER_MINIMUM,
                                                                                    LongestTimerMs)),
                 nullptr);
    if (run_.changeWaiting())
        SetTimer(window_, RetryTimer, RetryMs, nullptr);
    else
        KillTimer(window_, RetryTimer);
}

LRESULT UpdaterWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        onTimer(wParam);
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return 0;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMECRITICAL)
            onResume();
        return TRUE;
    case TrayMessage:
        onTrayNotice(lParam);
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    case WM_ENDSESSION:
        // Windows is ending the session: end now, as for WM_CLOSE, so no
        // file is left half written and nothing more starts.
        if (wParam)
            close();
        return 0;
    case WM_DESTROY:
        running_ = false;
        KillTimer(window_, ControlCenterTimer);
        KillTimer(window_, ScheduleTimer);
        KillTimer(window_, RetryTimer);
        removeTrayIcon();
        PostQuitMessage(0);
        return 0;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0 && trayIcon_) {
            showTrayIcon(NIM_ADD);
            return 0;
        }
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void UpdaterWindow::onTimer(UINT_PTR id)
{
    if (id == ControlCenterTimer) {
        checkControlCenter();
        return;
    }
    if (!running_)
        return;
    if (id == ScheduleTimer)
        changing([this] { run_.onClock(); });
    else if (id == RetryTimer)
        changing([this] { run_.retryWaitingChange(); });
    afterChanges();
}

void UpdaterWindow::onResume()
{
    if (!running_)
        return;
    // Timers do not count the time asleep; the clock does.
    changing([this] { run_.onClock(); });
    afterChanges();
}

void UpdaterWindow::onCommand(int id)
{
    const UpdaterCommand* command = findUpdaterCommand(id);
    if (!command)
        return;
    switch (command->action) {
    case UpdaterAction::Exit:
        close();
        return;
    case UpdaterAction::OpenControlCenter:
        // The Control Center asks to close the Updater itself.
        ShellExecuteA(nullptr, nullptr, (programDirectory_ + ControlCenterProgram).c_str(), nullptr, nullptr,
                      SW_SHOWNORMAL);
        return;
    case UpdaterAction::ChangeAllNow:
        if (running_)
            changing([this] { run_.changeAll(); });
        break;
    case UpdaterAction::NextWallpaper:
        if (running_)
            changing([this] { run_.nextWallpaper(); });
        break;
    }
    if (running_)
        afterChanges();
}

void UpdaterWindow::onTrayNotice(LPARAM event)
{
    if (event == WM_RBUTTONUP || event == WM_LBUTTONUP || event == WM_CONTEXTMENU)
        showTrayMenu();
}

void UpdaterWindow::showTrayIcon(DWORD action)
{
    // The first version of the record: every shell since Windows 95 takes it.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_;
    data.uID = TrayIconId;
    data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    data.uCallbackMessage = TrayMessage;
    // The program's own emblem at the small size; shared, so that showing
    // the icon again after every change costs no new GDI object.
    data.hIcon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    if (!data.hIcon)
        data.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    const std::string tip = run_.trayTip();
    lstrcpynA(data.szTip, tip.c_str(), 64);
    // An icon refused because no notification area runs yet still counts:
    // it is added again when Explorer announces itself.
    if (Shell_NotifyIconA(action, &data) || action == NIM_ADD)
        trayIcon_ = true;
}

void UpdaterWindow::removeTrayIcon()
{
    if (!trayIcon_)
        return;
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_;
    data.uID = TrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &data);
    trayIcon_ = false;
}

void UpdaterWindow::showTrayMenu()
{
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        return;
    for (const UpdaterCommand& command : UpdaterCommands) {
        if (command.separatorBefore)
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu.get(), MF_STRING, static_cast<UINT_PTR>(command.id), command.text);
    }
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would not close when the user clicks
    // elsewhere; the posted message lets it go away properly.
    SetForegroundWindow(window_);
    TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    PostMessageA(window_, WM_NULL, 0, 0);
}

} // namespace lv::win32
