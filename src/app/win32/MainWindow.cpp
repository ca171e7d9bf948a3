#include "app/win32/MainWindow.h"

#include "base/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowProcedure.h"

#include <windowsx.h>

namespace lv::win32 {

namespace {

// WS_POPUP: no frame or caption, the skin draws the window's own.
// WS_SYSMENU and WS_MINIMIZEBOX draw nothing here but let the task bar
// button and Alt+F4 minimise and close the window as users expect.
constexpr DWORD WindowStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = WS_EX_APPWINDOW;

// Ends the program once the running handler has returned to the message loop.
constexpr UINT EndApplicationMessage = WM_APP + 1;
// The rest of start-up, once the main window has been shown.
constexpr UINT FinishStartUpMessage = WM_APP + 3;

// Child control identifiers.
constexpr int EnableId = 101;
constexpr int DeleteMissingId = 102;
constexpr int RunUpdaterId = 103;
constexpr int AlwaysTrayId = 104;

// The text of the standard controls on the skin's light panels.
constexpr COLORREF ControlTextColour = RGB(24, 30, 48);

COLORREF toColorref(Colour c)
{
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

} // namespace

MainWindow::MainWindow(Application& application) : application_(application) {}

MainWindow::~MainWindow()
{
    if (window_)
        DestroyWindow(window_);
}

void MainWindow::registerClass(HINSTANCE instance)
{
    WindowClassOptions options;
    // No CS_HREDRAW/CS_VREDRAW: the size is fixed.
    options.style = CS_DBLCLKS;
    // The program's icon (resource 1); the system picks its small entry
    // for the caption and the taskbar.
    options.icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    registerWindowClassOnce(instance, MainFormClassName, &windowProcedure<MainWindow>, options);
}

bool MainWindow::create()
{
    RECT outer{0, 0, MainFormClientSize.width, MainFormClientSize.height};
    AdjustWindowRectEx(&outer, WindowStyle, FALSE, WindowExStyle);
    const Size size{outer.right - outer.left, outer.bottom - outer.top};
    const Point origin =
        centredOrigin(size, Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});

    createFailed_ = false;
    // Created without its title: start-up looks for another Control Center
    // by that title and must not find this window.
    const HWND created = CreateWindowExA(WindowExStyle, MainFormClassName, "", WindowStyle, origin.x,
                                         origin.y, size.width, size.height, nullptr, nullptr,
                                         application_.instance(), this);
    if (created)
        return true;
    if (createFailed_)
        return false;
    throw Error("Cannot create the main window: " + systemErrorText(GetLastError()));
}

void MainWindow::show(int showCommand)
{
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    // What start-up need not do before the window is on the screen follows
    // at once: posted messages come before the user's input.
    PostMessageA(window_, FinishStartUpMessage, 0, 0);
}

void MainWindow::makeOtherWindows()
{
    // After the main window come the about box, the scheduler and the
    // folder dialog, in this order, each hidden until asked for. One that
    // could not be made is tried again when next asked for.
    if (!about_)
        about_ = std::make_unique<AboutBox>(
            application_.instance(), window_, platform_.shell, [this] { form_->BitBtn5Click(); },
            [this](const std::string& text) { application_.showError(text); });
    if (!schedule_)
        schedule_ = std::make_unique<ScheduleWindow>(
            application_.instance(), window_, platform_.profile, form_->configPath,
            [this](const std::string& text) { application_.showError(text); });
    if (folderWindow_)
        return;
    // The folder dialog starts in the process's current folder and takes two
    // options from the main window when it is made.
    char current[MAX_PATH] = "";
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
    folder_.FormCreate(platform_.files, platform_.activeDesktop, length && length < MAX_PATH ? current : "C:\\");
    form_->attachFolderDialog(folder_);
    folderWindow_ = std::make_unique<FolderWindow>(
        application_.instance(), window_, folder_,
        [this](const std::function<void()>& action) { controls_->handle(action); },
        [this](const std::string& text) { reportError(text); });
}

void MainWindow::attach(HWND window)
{
    window_ = window;
}

void MainWindow::detach()
{
    window_ = nullptr;
}

void MainWindow::reportError(const std::string& message)
{
    application_.showError(message);
}

LRESULT MainWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createFailed_ = true;
        if (!onCreate())
            return -1;
        createFailed_ = false;
        return 0;
    case WM_COMMAND:
        if (controls_ && controls_->command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
            return 0;
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        if (controls_ && controls_->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case PageControls::RemakeListMessage:
        if (controls_)
            controls_->remakeList();
        return 0;
    case EndApplicationMessage:
        DestroyWindow(window_);
        return 0;
    case FinishStartUpMessage:
        form_->checkActiveDesktop();
        makeOtherWindows();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_SETCURSOR:
        // A long decode lets messages run; the mouse moving over the window
        // or its controls must not bring the arrow back in the middle.
        if (platform_.ui.hourglass()) {
            SetCursor(LoadCursorA(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_CTLCOLORSTATIC:
        return controlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PRINTCLIENT: {
        const RECT all{0, 0, MainFormClientSize.width, MainFormClientSize.height};
        onPaint(reinterpret_cast<HDC>(wParam), all);
        return 0;
    }
    case WM_PAINT: {
        PaintDC paint(window_);
        RECT area;
        GetClipBox(paint.get(), &area);
        onPaint(paint.get(), area);
        return 0;
    }
    case WM_CLOSE:
        onClose();
        return 0;
    case WM_QUERYENDSESSION:
        // Windows is ending the session: nothing is asked.
        return TRUE;
    case WM_ENDSESSION:
        // The run ends without saving and without putting the backup copy
        // back: both files stay as they are, and the next start takes a
        // fresh backup copy.
        if (wParam)
            DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    }
    // The skinned buttons and the drag bar take the mouse where they are.
    if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_MOUSELEAVE ||
        message == WM_CAPTURECHANGED) {
        if (chrome_ && chrome_->handleMouse(message, wParam, lParam))
            return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT MainWindow::controlColours(HDC dc, HWND control)
{
    // The controls on the skin take the skin's colour (colourSkinControls).
    SetTextColor(dc, ControlTextColour);
    if (controls_ && controls_->isField(control)) {
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(fieldBrush_.get());
    }
    SetBkColor(dc, controlColour_);
    if (!controlBrush_)
        controlBrush_ = GdiObject<HBRUSH>(CreateSolidBrush(controlColour_));
    return reinterpret_cast<LRESULT>(controlBrush_.get());
}

bool MainWindow::onCreate()
{
    application_.setMainWindow(window_);
    platform_.dialogs.setOwner(reinterpret_cast<WindowHandle>(window_));
    platform_.sound.setNotifyWindow(reinterpret_cast<WindowHandle>(window_));
    chrome_ = std::make_unique<MainChrome>(window_, application_.instance());
    createControls();
    controls_ = std::make_unique<PageControls>(
        window_, application_.instance(), [this](const std::function<void()>& action) {
            runGuarded(action, [this](const std::string& text) { reportError(text); });
        });
    form_ = std::make_unique<Tmainform>(platform_.platform(), *this);
    controls_->bind(*form_);
    wireSkinnedButtons();
    starting_ = true;
    const bool running = form_->FormCreate();
    starting_ = false;
    if (!running) {
        endedAtStartUp_ = true;
        application_.setMainWindow(nullptr);
        return false;
    }
    refreshControls();
    return true;
}

void MainWindow::wireSkinnedButtons()
{
    const auto map = mainWindowButtons();
    std::vector<Thbitbtn>& buttons = chrome_->buttons();
    for (std::size_t i = 0; i < map.size(); ++i)
        buttons[i].OnClick = [this, action = map[i].action] { click(action); };
}

void MainWindow::click(const ButtonAction& action)
{
    switch (action.kind) {
    case ButtonAction::ShowPage:
        showPage(action.page);
        break;
    case ButtonAction::Handler:
        // Every click reads the list's selection first and shows the result.
        controls_->handle(action.handler);
        break;
    case ButtonAction::ShowAboutBox:
        makeOtherWindows();
        about_->show();
        break;
    case ButtonAction::Minimise:
        // Minimising keeps the task-bar button.
        ShowWindow(window_, SW_MINIMIZE);
        break;
    }
}

void MainWindow::showPage(MainPage page)
{
    chrome_->showPage(page);
    controls_->handle([this, page] { form_->showPage(page); });
}

void MainWindow::createControls()
{
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto child = [&](const char* className, const char* caption, DWORD style, const Rect& r, int id) {
        const HWND control = CreateWindowExA(0, className, caption, WS_CHILD | style, r.left, r.top, r.width,
                                             r.height, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                             application_.instance(), nullptr);
        if (!control)
            throw Error("Cannot create the control \"" + std::string(caption) + "\": " +
                        systemErrorText(GetLastError()));
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    };
    // The General page's options; the pages come with the skin.
    options_ = {{EnableId, "Enable Lumivane 3", nullptr, nullptr},
                {DeleteMissingId, "Delete Missing Files", nullptr, nullptr},
                {RunUpdaterId, "Run Updater on Save", nullptr, nullptr},
                {AlwaysTrayId, "Always show the Updater in the tray", nullptr, nullptr}};
    int top = 74;
    for (OptionBox& option : options_) {
        option.window = child("BUTTON", option.caption, BS_AUTOCHECKBOX | WS_TABSTOP, Rect{98, top, 280, 18},
                              option.id);
        top += 22;
    }
}

void MainWindow::onCommand(int id, int notification)
{
    if (!form_ || notification != BN_CLICKED)
        return;
    for (OptionBox& option : options_)
        if (option.id == id && option.state)
            option.state->checked = SendMessageA(option.window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::shapeWindow()
{
    chrome_->shapeWindow();
}

void MainWindow::setTitle(const std::string& title)
{
    SetWindowTextA(window_, title.c_str());
}

void MainWindow::sendPaperOptionsToBack()
{
    controls_->sendPaperOptionsToBack();
}

void MainWindow::acceptDroppedFiles()
{
    controls_->acceptDroppedFiles();
}

void MainWindow::bringPreviewToFront()
{
    controls_->bringPreviewToFront();
}

void MainWindow::sendPreviewToBack()
{
    controls_->sendPreviewToBack();
}

void MainWindow::showScheduler()
{
    makeOtherWindows();
    schedule_->open();
}

void MainWindow::showFolderDialog()
{
    makeOtherWindows();
    folderWindow_->show();
}

void MainWindow::setHintDelay(int milliseconds)
{
    hintDelay_ = milliseconds;
    chrome_->setHintDelay(milliseconds);
    controls_->setHintDelay(milliseconds);
}

void MainWindow::colourSkinControls()
{
    // Read from the background picture; the controls that show it ask for
    // it in WM_CTLCOLORSTATIC.
    controlColour_ = toColorref(chrome_->controlColour());
    controlBrush_ = GdiObject<HBRUSH>();
    InvalidateRect(window_, nullptr, FALSE);
}

void MainWindow::refreshControls()
{
    if (!form_)
        return;
    CheckBoxState* states[] = {&form_->enable, &form_->deletenon, &form_->runupd, &form_->alwaystray};
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i].state = states[i];
        SendMessageA(options_[i].window, BM_SETCHECK, states[i]->checked ? BST_CHECKED : BST_UNCHECKED, 0);
        ShowWindow(options_[i].window, states[i]->visible ? SW_SHOW : SW_HIDE);
    }
    controls_->refresh();
}

void MainWindow::endApplication()
{
    // During start-up the window is not made at all (WM_CREATE fails);
    // later the window goes once the handler has returned.
    if (!starting_)
        PostMessageA(window_, EndApplicationMessage, 0, 0);
}

void MainWindow::onPaint(HDC dc, const RECT& area)
{
    const Size client = MainFormClientSize;
    MemoryCanvas canvas(dc, client.width, client.height);
    const HDC target = canvas.valid() ? canvas.get() : dc;
    chrome_->paint(target, area);
    if (canvas.valid())
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas.get(), area.left,
               area.top, SRCCOPY);
}

void MainWindow::onClose()
{
    // The close box, Alt+F4 and the task bar's Close all mean Quit, which
    // asks first; a minimised window is restored so the question shows.
    if (form_) {
        if (IsIconic(window_))
            ShowWindow(window_, SW_RESTORE);
        form_->BitBtn5Click();
    }
    else
        DestroyWindow(window_);
}

void MainWindow::onDestroy()
{
    about_.reset();
    schedule_.reset();
    folderWindow_.reset();
    controls_.reset();
    application_.setMainWindow(nullptr);
    PostQuitMessage(0);
}

} // namespace lv::win32
