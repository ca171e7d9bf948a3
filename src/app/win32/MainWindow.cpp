#include "app/win32/MainWindow.h"

#include "app/win32/GdiHandles.h"
#include "app/win32/WindowProcedure.h"
#include "platform/Error.h"

#include <windowsx.h>

namespace lv::win32 {

namespace {

// WS_POPUP: no frame or caption, the skin draws the window's own.
// WS_SYSMENU and WS_MINIMIZEBOX draw nothing here but let the task bar
// button and Alt+F4 minimise and close the window as users expect.
constexpr DWORD WindowStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = WS_EX_APPWINDOW;

// Until the skin arrives the window paints a plain dark frame with its title.
constexpr COLORREF BackgroundColour = RGB(30, 34, 43);
constexpr COLORREF SideBarColour = RGB(22, 25, 32);
constexpr COLORREF EdgeColour = RGB(96, 108, 132);
constexpr COLORREF StripColour = RGB(46, 54, 70);
constexpr COLORREF BoxColour = RGB(72, 84, 106);
constexpr COLORREF TextColour = RGB(225, 230, 240);
constexpr COLORREF AccentColour = RGB(120, 176, 255);
constexpr COLORREF SubtitleColour = RGB(170, 180, 198);

// Ends the program once the running handler has returned to the message loop.
constexpr UINT EndApplicationMessage = WM_APP + 1;

// Child control identifiers.
constexpr int EnableId = 101;
constexpr int DeleteMissingId = 102;
constexpr int RunUpdaterId = 103;
constexpr int AlwaysTrayId = 104;
constexpr int SaveAndExitId = 110;
constexpr int QuitId = 111;

Point clientPoint(LPARAM lParam)
{
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

RECT toRect(const Rect& r)
{
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

void fill(HDC dc, const Rect& r, COLORREF colour)
{
    GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const RECT area = toRect(r);
    FillRect(dc, &area, brush.get());
}

void frame(HDC dc, const Rect& r, COLORREF colour)
{
    GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const RECT area = toRect(r);
    FrameRect(dc, &area, brush.get());
}

void line(HDC dc, Point from, Point to)
{
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

GdiObject<HFONT> makeFont(int height, int weight)
{
    return GdiObject<HFONT>(CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                        CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma"));
}

void text(HDC dc, const char* s, const Rect& r, const GdiObject<HFONT>& font, COLORREF colour, UINT format)
{
    Selection selected(dc, font.get());
    SetTextColor(dc, colour);
    RECT area = toRect(r);
    DrawTextA(dc, s, -1, &area, format | DT_SINGLELINE | DT_NOPREFIX);
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
    static ATOM atom = 0;
    if (atom)
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // No CS_HREDRAW/CS_VREDRAW: the size is fixed. No background brush:
    // every paint covers the whole client area.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &windowProcedure<MainWindow>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = MainFormClassName;
    atom = RegisterClassExA(&windowClass);
    if (!atom)
        throw Error("Cannot register the window class " + std::string(MainFormClassName) + ": " +
                    systemErrorText(GetLastError()));
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
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case EndApplicationMessage:
        DestroyWindow(window_);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_CTLCOLORSTATIC: {
        // The option boxes sit on the window's own background.
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, TextColour);
        SetBkColor(dc, BackgroundColour);
        if (!controlBrush_)
            controlBrush_ = GdiObject<HBRUSH>(CreateSolidBrush(BackgroundColour));
        return reinterpret_cast<LRESULT>(controlBrush_.get());
    }
    case WM_PAINT: {
        PaintContext paint(window_);
        onPaint(paint.dc());
        return 0;
    }
    case WM_NCHITTEST: {
        // Pressing on the title strip moves the window as a caption would.
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(window_, &at);
        if (isDragStrip({at.x, at.y}))
            return HTCAPTION;
        break;
    }
    case WM_LBUTTONDOWN:
        onLeftButtonDown(clientPoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        onLeftButtonUp(clientPoint(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        pressed_ = ChromePart::None;
        return 0;
    case WM_CLOSE:
        onClose();
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

bool MainWindow::onCreate()
{
    application_.setMainWindow(window_);
    platform_.dialogs.setOwner(reinterpret_cast<WindowHandle>(window_));
    platform_.sound.setNotifyWindow(reinterpret_cast<WindowHandle>(window_));
    createControls();
    form_ = std::make_unique<Tmainform>(platform_.platform(), *this);
    starting_ = true;
    const bool running = form_->FormCreate();
    starting_ = false;
    if (!running) {
        endedAtStartUp_ = true;
        application_.setMainWindow(nullptr);
        return false;
    }
    form_->attachFolderDialog(folder_);
    refreshControls();
    return true;
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
    int top = 60;
    for (OptionBox& option : options_) {
        option.window = child("BUTTON", option.caption, BS_AUTOCHECKBOX | WS_TABSTOP, Rect{80, top, 260, 20},
                              option.id);
        top += 26;
    }
    child("BUTTON", "Save and Exit", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, Rect{360, 380, 100, 26},
          SaveAndExitId);
    child("BUTTON", "Quit", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, Rect{470, 380, 100, 26}, QuitId);
}

void MainWindow::onCommand(int id, int notification)
{
    if (!form_ || notification != BN_CLICKED)
        return;
    if (id == SaveAndExitId) {
        form_->BitBtn4Click();
        return;
    }
    if (id == QuitId) {
        form_->BitBtn5Click();
        return;
    }
    for (OptionBox& option : options_)
        if (option.id == id && option.state)
            option.state->checked = SendMessageA(option.window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::shapeWindow()
{
    // The window keeps its rectangle until the skin gives it a shape.
}

void MainWindow::setTitle(const std::string& title)
{
    SetWindowTextA(window_, title.c_str());
}

void MainWindow::sendPaperOptionsToBack()
{
    // The display-mode radio group comes with the Wallpaper page.
}

void MainWindow::acceptDroppedFiles()
{
    // The list box that takes dropped files comes with the cycler pages.
}

void MainWindow::setHintDelay(int milliseconds)
{
    hintDelay_ = milliseconds;
}

void MainWindow::colourSkinControls()
{
    // The skin controls are coloured from the background bitmap, which comes with the skin.
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
}

void MainWindow::endApplication()
{
    // During start-up the window is not made at all (WM_CREATE fails);
    // later the window goes once the handler has returned.
    if (!starting_)
        PostMessageA(window_, EndApplicationMessage, 0, 0);
}

void MainWindow::onPaint(HDC dc)
{
    const Size client = MainFormClientSize;
    MemoryCanvas canvas(dc, client.width, client.height);
    if (!canvas.valid()) {
        paintPlaceholder(dc);
        return;
    }
    paintPlaceholder(canvas.dc());
    BitBlt(dc, 0, 0, client.width, client.height, canvas.dc(), 0, 0, SRCCOPY);
}

bool MainWindow::isDragStrip(Point client) const
{
    return chromePartAt(client) == ChromePart::DragBar;
}

void MainWindow::onLeftButtonDown(Point client)
{
    pressed_ = chromePartAt(client);
    if (pressed_ == ChromePart::MinimiseBox || pressed_ == ChromePart::CloseBox)
        SetCapture(window_);
}

void MainWindow::onLeftButtonUp(Point client)
{
    const ChromePart pressed = pressed_;
    if (GetCapture() == window_)
        ReleaseCapture();
    pressed_ = ChromePart::None;
    // A title box acts when the button is released over the box it was pressed on.
    if (pressed != chromePartAt(client))
        return;
    if (pressed == ChromePart::MinimiseBox)
        ShowWindow(window_, SW_MINIMIZE);
    else if (pressed == ChromePart::CloseBox)
        PostMessageA(window_, WM_CLOSE, 0, 0);
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
    application_.setMainWindow(nullptr);
    PostQuitMessage(0);
}

void MainWindow::paintPlaceholder(HDC dc) const
{
    const Size client = MainFormClientSize;
    const Rect whole{0, 0, client.width, client.height};
    fill(dc, whole, BackgroundColour);
    fill(dc, Rect{0, 0, DragBarRect.left, client.height}, SideBarColour);
    fill(dc, Rect{DragBarRect.left - 1, 0, 1, client.height}, EdgeColour);
    fill(dc, Rect{DragBarRect.left, DragBarRect.top, client.width - DragBarRect.left, DragBarRect.height},
         StripColour);
    fill(dc, Rect{DragBarRect.left, DragBarRect.top + DragBarRect.height, client.width - DragBarRect.left, 1},
         EdgeColour);
    frame(dc, whole, EdgeColour);

    SetBkMode(dc, TRANSPARENT);
    const auto titleFont = makeFont(11, FW_BOLD);
    text(dc, MainFormTitle, Rect{DragBarRect.left + 8, DragBarRect.top, 420, DragBarRect.height}, titleFont,
         TextColour, DT_LEFT | DT_VCENTER);

    const Rect body{DragBarRect.left, DragBarRect.top + DragBarRect.height, client.width - DragBarRect.left,
                    client.height - DragBarRect.top - DragBarRect.height};
    const auto nameFont = makeFont(40, FW_BOLD);
    const auto subtitleFont = makeFont(18, FW_NORMAL);
    const int middle = body.top + body.height / 2;
    text(dc, "Lumivane 3", Rect{body.left, middle - 52, body.width, 48}, nameFont, AccentColour,
         DT_CENTER | DT_BOTTOM);
    fill(dc, Rect{body.left + body.width / 2 - 90, middle + 2, 180, 1}, EdgeColour);
    text(dc, "Control Center", Rect{body.left, middle + 8, body.width, 26}, subtitleFont, SubtitleColour,
         DT_CENTER | DT_TOP);

    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 2, TextColour));
    Selection selectedPen(dc, pen.get());
    for (const Rect& box : {MinimiseBoxRect, CloseBoxRect}) {
        fill(dc, box, BoxColour);
        frame(dc, box, EdgeColour);
    }
    const Rect& m = MinimiseBoxRect;
    line(dc, {m.left + 3, m.top + m.height - 4}, {m.left + m.width - 3, m.top + m.height - 4});
    const Rect& c = CloseBoxRect;
    line(dc, {c.left + 4, c.top + 4}, {c.left + c.width - 4, c.top + c.height - 4});
    line(dc, {c.left + c.width - 5, c.top + 4}, {c.left + 3, c.top + c.height - 4});
}

} // namespace lv::win32
