#include "app/win32/MainWindow.h"

#include "app/ErrorBoundary.h"
#include "app/win32/GdiHandles.h"
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
    windowClass.lpfnWndProc = &MainWindow::windowProc;
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
    const HWND created = CreateWindowExA(WindowExStyle, MainFormClassName, MainFormTitle, WindowStyle, origin.x,
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

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }

    const ErrorReport report = [self](const std::string& text) { self->application_.showError(text); };
    if (message == WM_CREATE) {
        // A failed creation handler makes CreateWindowEx fail.
        return runGuarded([&] { return self->dispatch(message, wParam, lParam); }, report, LRESULT{-1});
    }
    return runGuarded([&] { return self->dispatch(message, wParam, lParam); }, report, LRESULT{0});
}

LRESULT MainWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createFailed_ = true;
        onCreate();
        createFailed_ = false;
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
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

void MainWindow::onCreate()
{
    application_.setMainWindow(window_);
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
