#include "controls/win32/TrRadioGroup.h"

#include "controls/win32/SkinPictures.h"
#include "platform/Error.h"

#include <commctrl.h>

#include <algorithm>

namespace lv::win32 {

namespace {

constexpr const char* ClassName = "TTrRadioGroup";
constexpr UINT_PTR ButtonSubclass = 1;

// The watched controls of the thread and the message watch that tells them
// when something under or over them changed.
HHOOK watchHook = nullptr;
std::vector<TrRadioGroup*> watchedGroups;
// Above 0 while a parent paints itself for a background capture.
int captureDepth = 0;

bool isTransparentWindow(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == ClassName)
        return true;
    const HWND parent = GetParent(window);
    if (!parent)
        return false;
    GetClassNameA(parent, name, sizeof name);
    return std::string(name) == ClassName; // its group buttons
}

Rect screenRect(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam)
{
    const LRESULT next = CallNextHookEx(watchHook, code, wParam, lParam);
    if (code != HC_ACTION || captureDepth > 0)
        return next;
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (!isRefreshTrigger(sent->message) || isTransparentWindow(sent->hwnd))
        return next;
    const auto target = reinterpret_cast<std::uintptr_t>(sent->hwnd);
    const auto targetOwner = reinterpret_cast<std::uintptr_t>(GetParent(sent->hwnd));
    const Rect targetRect = screenRect(sent->hwnd);
    const std::vector<TrRadioGroup*> groups = watchedGroups; // a refresh may change the list
    for (TrRadioGroup* group : groups) {
        const HWND w = group->handle();
        if (!w)
            continue;
        const WatchedWindow watched{reinterpret_cast<std::uintptr_t>(GetParent(w)), screenRect(w)};
        if (refreshesWatched(sent->message, target, targetOwner, targetRect, watched))
            SendMessageA(w, TransparentRefreshMessage, 0, 0);
    }
    return next;
}

WatchedControls& watched()
{
    static WatchedControls list(
        [] { watchHook = SetWindowsHookExA(WH_CALLWNDPROC, &watch, nullptr, GetCurrentThreadId()); },
        [] {
            if (watchHook)
                UnhookWindowsHookEx(watchHook);
            watchHook = nullptr;
        });
    return list;
}

void startWatching(TrRadioGroup* group)
{
    watched().add(reinterpret_cast<std::uintptr_t>(group));
    if (std::find(watchedGroups.begin(), watchedGroups.end(), group) == watchedGroups.end())
        watchedGroups.push_back(group);
}

void stopWatching(TrRadioGroup* group)
{
    watchedGroups.erase(std::remove(watchedGroups.begin(), watchedGroups.end(), group), watchedGroups.end());
    watched().remove(reinterpret_cast<std::uintptr_t>(group));
}

// A picture of what a device context shows in a rectangle.
Picture grab(HDC dc, int x, int y, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    Picture picture(width, height);
    if (!section)
        return picture;
    const HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, dc, x, y, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col)
            picture.setPixel(col, row, pixels[row * width + col] & 0xFFFFFF);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(section);
    return picture;
}

// An off-screen surface of a size, holding a bitmap compatible with dc.
struct Surface {
    Surface(HDC dc, int width, int height)
        : memory(CreateCompatibleDC(dc)), bitmap(CreateCompatibleBitmap(dc, width, height)),
          old(SelectObject(memory, bitmap))
    {
    }
    ~Surface()
    {
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    HDC memory;
    HBITMAP bitmap;
    HGDIOBJ old;
};

} // namespace

TrRadioGroup::TrRadioGroup(HWND parent, const Rect& bounds, int id)
    : parent_(parent), trans_([this](bool) {})
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    static ATOM atom = 0;
    if (!atom) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &TrRadioGroup::groupProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = ClassName;
        atom = RegisterClassExA(&windowClass);
        if (!atom)
            throw Error("Cannot register the window class " + std::string(ClassName));
    }
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, ClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                              bounds.left, bounds.top, bounds.width, bounds.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    if (!window_)
        throw Error("Cannot create a radio group");
    logic_.OnButtonsChanged = [this] { updateButtons(); };
    logic_.OnClick = [this] {
        if (OnClick)
            OnClick();
    };
    startWatching(this);
}

TrRadioGroup::~TrRadioGroup()
{
    stopWatching(this);
    if (cacheDc_) {
        SelectObject(cacheDc_, cacheOld_);
        DeleteObject(cacheBitmap_);
        DeleteDC(cacheDc_);
    }
    if (window_)
        DestroyWindow(window_);
}

void TrRadioGroup::setTransparent(bool on)
{
    if (on == trans_.Transparent())
        return;
    if (!on)
        stopWatching(this);
    trans_.setTransparent(on);
    InvalidateRect(window_, nullptr, TRUE);
    for (HWND b : buttons_)
        InvalidateRect(b, nullptr, TRUE);
    if (on)
        startWatching(this);
}

void TrRadioGroup::refresh()
{
    if (!trans_.Transparent())
        return;
    trans_.needsCapture = true;
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

int TrRadioGroup::fontHeight() const
{
    const HDC dc = GetDC(window_);
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    return metrics.tmHeight;
}

void TrRadioGroup::updateButtons()
{
    const auto& items = logic_.Items();
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE));
    while (buttons_.size() > items.size()) {
        DestroyWindow(buttons_.back());
        buttons_.pop_back();
    }
    while (buttons_.size() < items.size()) {
        const HWND b = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_RADIOBUTTON | WS_TABSTOP, 0, 0, 1, 1, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttons_.size() + 1)), instance,
                                       nullptr);
        if (!b)
            throw Error("Cannot create a radio button");
        SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        SetWindowSubclass(b, &TrRadioGroup::buttonProc, ButtonSubclass, reinterpret_cast<DWORD_PTR>(this));
        buttons_.push_back(b);
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        SetWindowTextA(buttons_[i], items[i].c_str());
        SendMessageA(buttons_[i], BM_SETCHECK, logic_.buttonChecked(static_cast<int>(i)) ? BST_CHECKED : BST_UNCHECKED,
                     0);
    }
    layOut();
    InvalidateRect(window_, nullptr, TRUE);
}

void TrRadioGroup::layOut()
{
    RECT client;
    GetClientRect(window_, &client);
    const auto places = logic_.layout({client.right, client.bottom}, fontHeight());
    if (places.empty())
        return;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(places.size()));
    for (std::size_t i = 0; i < places.size() && batch; ++i)
        batch = DeferWindowPos(batch, buttons_[i], nullptr, places[i].left, places[i].top, places[i].width,
                               places[i].height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (batch)
        EndDeferWindowPos(batch);
}

void TrRadioGroup::captureBackground()
{
    trans_.needsCapture = false;
    ++captureDepth;
    RECT parentClient, mine;
    GetClientRect(parent_, &parentClient);
    GetWindowRect(window_, &mine);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&mine), 2);
    const Rect control{mine.left, mine.top, mine.right - mine.left, mine.bottom - mine.top};
    const HDC screen = GetDC(window_);
    {
        Surface parentPicture(screen, parentClient.right, parentClient.bottom);
        const Rect clip = captureClip(control);
        IntersectClipRect(parentPicture.memory, clip.left, clip.top, clip.left + clip.width, clip.top + clip.height);
        SendMessageA(parent_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(parentPicture.memory), PRF_CLIENT);
        if (!cacheDc_) {
            cacheDc_ = CreateCompatibleDC(screen);
            cacheBitmap_ = CreateCompatibleBitmap(screen, control.width, control.height);
            cacheOld_ = SelectObject(cacheDc_, cacheBitmap_);
        }
        const Point from = captureSource(control);
        BitBlt(cacheDc_, 0, 0, control.width, control.height, parentPicture.memory, from.x, from.y, SRCCOPY);
    }
    ReleaseDC(window_, screen);
    --captureDepth;
}

void TrRadioGroup::paintGroup(HDC dc)
{
    RECT client;
    GetClientRect(window_, &client);
    if (trans_.needsCapture || !cacheDc_)
        captureBackground();
    // The group's own look is its face colour alone: all of it is see-through.
    BitBlt(dc, 0, 0, client.right, client.bottom, cacheDc_, 0, 0, SRCCOPY);
}

void TrRadioGroup::paintButton(HWND button, HDC dc)
{
    RECT r;
    GetClientRect(button, &r);
    if (trans_.needsCapture || !cacheDc_)
        captureBackground();
    POINT at{0, 0};
    MapWindowPoints(button, window_, &at, 1);
    const Picture background = grab(cacheDc_, at.x, at.y, r.right, r.bottom);
    // The button's normal look, off screen, on its usual face colour.
    Surface look(dc, r.right, r.bottom);
    FillRect(look.memory, &r, GetSysColorBrush(COLOR_BTNFACE));
    DefSubclassProc(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(look.memory), PRF_CLIENT);
    const Picture composed = compose(background, grab(look.memory, 0, 0, r.right, r.bottom));
    drawPicture(dc, composed, 0, 0);
}

LRESULT CALLBACK TrRadioGroup::groupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TrRadioGroup*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || message == WM_NCCREATE)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->onGroupMessage(message, wParam, lParam);
}

LRESULT TrRadioGroup::onGroupMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TransparentRefreshMessage:
        refresh();
        return 0;
    case WM_ERASEBKGND:
        if (trans_.Transparent())
            return TRUE;
        break;
    case WM_PAINT: {
        if (captureDepth > 0) {
            ValidateRect(window_, nullptr);
            return 0;
        }
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window_, &paint);
        if (trans_.Transparent()) {
            paintGroup(dc);
        } else {
            RECT client;
            GetClientRect(window_, &client);
            FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        }
        EndPaint(window_, &paint);
        for (HWND b : buttons_)
            InvalidateRect(b, nullptr, FALSE);
        return 0;
    }
    case WM_MOVE:
        trans_.needsCapture = true;
        break;
    case WM_SIZE:
        trans_.needsCapture = true;
        layOut();
        break;
    case WM_COMMAND: {
        const HWND from = reinterpret_cast<HWND>(lParam);
        const int code = HIWORD(wParam);
        if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && !clicking_) {
            // One click per notification: the group's handler may cause more.
            clicking_ = true;
            const auto it = std::find(buttons_.begin(), buttons_.end(), from);
            if (it != buttons_.end()) {
                logic_.buttonClicked(static_cast<int>(it - buttons_.begin()));
                for (std::size_t i = 0; i < buttons_.size(); ++i)
                    SendMessageA(buttons_[i], BM_SETCHECK,
                                 logic_.buttonChecked(static_cast<int>(i)) ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            clicking_ = false;
        }
        return 0;
    }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK TrRadioGroup::buttonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self)
{
    return reinterpret_cast<TrRadioGroup*>(self)->onButtonMessage(window, message, wParam, lParam);
}

LRESULT TrRadioGroup::onButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!trans_.Transparent()) {
        if (message == WM_NCDESTROY)
            RemoveWindowSubclass(button, &TrRadioGroup::buttonProc, ButtonSubclass);
        return DefSubclassProc(button, message, wParam, lParam);
    }
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(button, &paint);
        if (captureDepth == 0)
            paintButton(button, dc);
        EndPaint(button, &paint);
        return 0;
    }
    case BM_SETCHECK:
    case WM_LBUTTONUP:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        // The standard button draws itself at once, opaquely: draw it again.
        const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
        InvalidateRect(button, nullptr, FALSE);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, &TrRadioGroup::buttonProc, ButtonSubclass);
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

} // namespace lv::win32
