#include "controls/win32/TrSupport.h"

#include "controls/win32/SkinPictures.h"
#include "platform/UserDialogs.h"
#include "platform/win32/RootWindow.h"

#include <cstdint>
#include <vector>

namespace lv::win32 {

static_assert(MessageMove == WM_MOVE && MessageSize == WM_SIZE && MessagePaint == WM_PAINT && MessageUser == WM_USER,
              "the portable rules name the window system's own message numbers");

namespace {

constexpr const char* PartProperty = "LvTransparentPart";

ErrorReport errorReport;
HHOOK watchHook = nullptr;
int captureDepth = 0;

struct CaptureScope {
    CaptureScope() { ++captureDepth; }
    ~CaptureScope() { --captureDepth; }
    CaptureScope(const CaptureScope&) = delete;
    CaptureScope& operator=(const CaptureScope&) = delete;
};

Rect screenRect(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam);

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

// Runs for every message sent to a window of the thread, before that window
// handles it: something moved over, under or beside a watched control, or
// its parent painted, so the control's picture may be stale.
LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam)
{
    const LRESULT next = CallNextHookEx(watchHook, code, wParam, lParam);
    if (code != HC_ACTION || captureDepth > 0)
        return next;
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (!isRefreshTrigger(sent->message) || transparentPartOf(sent->hwnd))
        return next;
    const auto target = reinterpret_cast<std::uintptr_t>(sent->hwnd);
    const auto targetOwner = reinterpret_cast<std::uintptr_t>(GetParent(sent->hwnd));
    const Rect targetRect = screenRect(sent->hwnd);
    const std::vector<WatchedControls::Control> controls = watched().controls(); // a refresh may change the list
    for (const WatchedControls::Control control : controls) {
        const HWND w = reinterpret_cast<HWND>(control);
        if (!IsWindow(w))
            continue;
        const WatchedWindow window{reinterpret_cast<std::uintptr_t>(GetParent(w)), screenRect(w)};
        if (refreshesWatched(sent->message, target, targetOwner, targetRect, window))
            SendMessageA(w, TransparentRefreshMessage, 0, 0);
    }
    return next;
}

bool isChild(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
}

// Runs paint on a surface of the given size that starts as the picture at
// (x, y), and puts the result back there. The controls are painted at their
// own origin: Wine's controls clip themselves wrongly on a moved origin.
template <class Paint>
void paintInto(HDC picture, int x, int y, int width, int height, const Paint& paint)
{
    if (width <= 0 || height <= 0)
        return;
    const MemoryCanvas surface(picture, width, height);
    if (!surface.valid())
        return;
    BitBlt(surface.get(), 0, 0, width, height, picture, x, y, SRCCOPY);
    paint(surface.get());
    BitBlt(picture, x, y, width, height, surface.get(), 0, 0, SRCCOPY);
}

// Paints the visible child windows of `window`, each with its own children,
// into the picture of `top`'s client area where they lie, the lowest of the
// z-order first; those outside the picture's clip are passed over.
// Transparent controls are left out: they show the picture, they are not
// part of it. Frame and client area are asked for apart, because Wine's
// WM_PRINT draws neither children nor frames.
void printChildWindows(HWND window, HWND top, HDC picture)
{
    RECT wanted;
    if (GetClipBox(picture, &wanted) == NULLREGION)
        return;
    const HWND first = GetWindow(window, GW_CHILD);
    for (HWND child = first ? GetWindow(first, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV)) {
        if (!IsWindowVisible(child) || transparentPartOf(child))
            continue;
        RECT outer, client, common;
        GetWindowRect(child, &outer);
        MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&outer), 2);
        if (!IntersectRect(&common, &outer, &wanted))
            continue;
        GetClientRect(child, &client);
        POINT origin{0, 0};
        MapWindowPoints(child, top, &origin, 1);
        const auto dcOf = [](HDC dc) { return reinterpret_cast<WPARAM>(dc); };
        paintInto(picture, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                  [&](HDC dc) { SendMessageA(child, WM_PRINT, dcOf(dc), PRF_NONCLIENT); });
        paintInto(picture, origin.x, origin.y, client.right, client.bottom, [&](HDC dc) {
            SendMessageA(child, WM_ERASEBKGND, dcOf(dc), 0);
            SendMessageA(child, WM_PRINTCLIENT, dcOf(dc), PRF_CLIENT);
        });
        printChildWindows(child, top, picture);
    }
}

} // namespace

void setTransparentControlErrorReport(ErrorReport report)
{
    errorReport = std::move(report);
}

void reportTransparentControlError(HWND window, const std::string& message)
{
    if (errorReport)
        errorReport(message);
    else
        MessageBoxA(rootWindow(window), message.c_str(), ApplicationTitle, MB_OK | MB_ICONERROR);
}

LRESULT runTransparentControlGuarded(HWND window, const std::function<LRESULT()>& work, LRESULT failed)
{
    return runGuarded(work, [window](const std::string& text) { reportTransparentControlError(window, text); },
                      failed);
}

bool capturingBackground()
{
    return captureDepth > 0;
}

bool refreshWatchInstalled()
{
    return watchHook != nullptr;
}

HFONT transparentControlFont()
{
    static const HFONT font = [] {
        LOGFONTA description{};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
        description.lfQuality = NONANTIALIASED_QUALITY;
        const HFONT created = CreateFontIndirectA(&description);
        return created ? created : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

Picture grab(HDC dc, int x, int y, int width, int height)
{
    Picture picture(width, height);
    if (width <= 0 || height <= 0)
        return picture;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const GdiObject<HBITMAP> section(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section)
        return picture;
    const MemoryDC memory(dc);
    const SelectedObject selected(memory.get(), section.get());
    BitBlt(memory.get(), 0, 0, width, height, dc, x, y, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col)
            picture.setPixel(col, row, pixels[row * width + col] & 0xFFFFFF);
    return picture;
}

TransparentPart::TransparentPart(bool watched) : watched_(watched) {}

TransparentPart::~TransparentPart()
{
    detach();
    releaseCache();
}

void TransparentPart::attach(HWND window)
{
    window_ = window;
    SetPropA(window_, PartProperty, this);
    if (watched_ && Transparent())
        watched().add(reinterpret_cast<std::uintptr_t>(window_));
}

void TransparentPart::detach()
{
    if (!window_)
        return;
    watched().remove(reinterpret_cast<std::uintptr_t>(window_));
    RemovePropA(window_, PartProperty);
    window_ = nullptr;
}

void TransparentPart::setTransparent(bool on)
{
    if (on == Transparent())
        return;
    if (window_ && watched_ && !on)
        watched().remove(reinterpret_cast<std::uintptr_t>(window_));
    trans_.setTransparent(on);
    if (!window_)
        return;
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (watched_ && on)
        watched().add(reinterpret_cast<std::uintptr_t>(window_));
}

void TransparentPart::refresh()
{
    if (!Transparent() || !window_)
        return;
    trans_.needsCapture = true;
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TransparentPart::resized()
{
    releaseCache();
    trans_.needsCapture = true;
}

HDC TransparentPart::cachedBackground()
{
    if (trans_.needsCapture || !cache_.get())
        capture();
    return cache_.get();
}

void TransparentPart::capture()
{
    trans_.needsCapture = false;
    const HWND parent = GetParent(window_);
    if (!parent)
        return;
    const CaptureScope capturing;
    RECT parentClient, mine;
    GetClientRect(parent, &parentClient);
    GetWindowRect(window_, &mine);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&mine), 2);
    const Rect control{mine.left, mine.top, mine.right - mine.left, mine.bottom - mine.top};
    const WindowDC screen(window_);
    const MemoryCanvas parentPicture(screen.get(), parentClient.right, parentClient.bottom);
    const Rect clip = captureClip(control);
    IntersectClipRect(parentPicture.get(), clip.left, clip.top, clip.left + clip.width, clip.top + clip.height);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(parentPicture.get()), PRF_CLIENT);
    printChildWindows(parent, parent, parentPicture.get());
    if (!cache_.get())
        cache_ = MemoryCanvas(screen.get(), control.width, control.height);
    const Point from = captureSource(control);
    BitBlt(cache_.get(), 0, 0, control.width, control.height, parentPicture.get(), from.x, from.y, SRCCOPY);
}

void TransparentPart::releaseCache()
{
    cache_ = MemoryCanvas();
}

Picture TransparentPart::background()
{
    RECT client;
    GetClientRect(window_, &client);
    std::vector<HWND> ancestors;
    std::vector<bool> transparent;
    for (HWND w = window_; isChild(w) && GetParent(w); w = GetParent(w)) {
        ancestors.push_back(GetParent(w));
        transparent.push_back(transparentPartOf(ancestors.back()) != nullptr);
    }
    if (ancestors.empty())
        return Picture(client.right, client.bottom);
    const std::size_t container = backgroundContainer(transparent);
    if (!transparent[container])
        return grab(cachedBackground(), 0, 0, client.right, client.bottom);
    POINT at{0, 0};
    MapWindowPoints(window_, ancestors[container], &at, 1);
    return grab(transparentPartOf(ancestors[container])->cachedBackground(), at.x, at.y, client.right,
                client.bottom);
}

void TransparentPart::paint(HDC dc, const std::function<void(HDC)>& paintNormal)
{
    RECT client;
    GetClientRect(window_, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    const Picture behind = background();
    const MemoryCanvas look(dc, client.right, client.bottom);
    FillRect(look.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    paintNormal(look.get());
    drawPicture(dc, compose(behind, grab(look.get(), 0, 0, client.right, client.bottom)), 0, 0);
}

TransparentPart* transparentPartOf(HWND window)
{
    return window ? static_cast<TransparentPart*>(GetPropA(window, PartProperty)) : nullptr;
}

} // namespace lv::win32
