#include "app/win32/MainWindow.h"

#include "app/win32/GdiHandles.h"
#include "app/win32/WindowProcedure.h"
#include "help/HelpLauncher.h"
#include "platform/Error.h"

#include <windowsx.h>

namespace lv::win32 {

namespace {

// WS_POPUP: no frame or caption, the skin draws the window's own.
// WS_SYSMENU and WS_MINIMIZEBOX draw nothing here but let the task bar
// button and Alt+F4 minimise and close the window as users expect.
constexpr DWORD WindowStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = WS_EX_APPWINDOW;

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
        onCreate();
        createFailed_ = false;
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PRINTCLIENT: {
        const RECT all{0, 0, MainFormClientSize.width, MainFormClientSize.height};
        onPaint(reinterpret_cast<HDC>(wParam), all);
        return 0;
    }
    case WM_PAINT: {
        PaintContext paint(window_);
        RECT area;
        GetClipBox(paint.dc(), &area);
        onPaint(paint.dc(), area);
        return 0;
    }
    case WM_CLOSE:
        onClose();
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    }
    if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_MOUSELEAVE ||
        message == WM_CAPTURECHANGED) {
        if (chrome_ && chrome_->handleMouse(message, wParam, lParam))
            return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void MainWindow::onCreate()
{
    application_.setMainWindow(window_);
    chrome_ = std::make_unique<MainChrome>(window_, application_.instance());
    chrome_->shapeWindow();
    wireButtons();
    about_ = std::make_unique<AboutBox>(
        application_.instance(), window_, platform_.shell, [this] { onClose(); },
        [this](const std::string& text) { application_.showError(text); });
}

void MainWindow::wireButtons()
{
    MainChrome& c = *chrome_;
    const Page pages[] = {Page::General, Page::Wallpaper, Page::Sounds, Page::ScreenSaver, Page::Logo, Page::Theme};
    for (int i = 0; i < 6; ++i)
        c.hbitbtn(i + 1).OnClick = [this, page = pages[i]] { chrome_->showPage(page); };
    c.hbitbtn(8).OnClick = [this] { onClose(); };
    c.hbitbtn(9).OnClick = [this] { help(); };
    c.hbitbtn(23).OnClick = [this] { about_->show(); };
    // Minimising the window keeps its task-bar button.
    c.minbut.OnClick = [this] { ShowWindow(window_, SW_MINIMIZE); };
    c.closebut.OnClick = [this] { onClose(); };
}

void MainWindow::help()
{
    lv::startHelp(platform_.windows, platform_.shell, platform_.files.programDirectory());
}

void MainWindow::onPaint(HDC dc, const RECT& area)
{
    const Size client = MainFormClientSize;
    MemoryCanvas canvas(dc, client.width, client.height);
    const HDC target = canvas.valid() ? canvas.dc() : dc;
    if (chrome_)
        chrome_->paint(target, area);
    if (canvas.valid())
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas.dc(), area.left,
               area.top, SRCCOPY);
}

void MainWindow::onClose()
{
    DestroyWindow(window_);
}

void MainWindow::onDestroy()
{
    about_.reset();
    application_.setMainWindow(nullptr);
    PostQuitMessage(0);
}

} // namespace lv::win32
