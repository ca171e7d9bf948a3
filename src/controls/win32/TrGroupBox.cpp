#include "controls/win32/TrGroupBox.h"

#include "base/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowProcedure.h"

namespace lv::win32 {

namespace {

constexpr const char* ClassName = "TTrGroupBox";

} // namespace

TrGroupBox::TrGroupBox(HWND parent, const Rect& bounds, const std::string& caption, int id)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    registerWindowClassOnce(instance, ClassName, &windowProcedure<TrGroupBox>);
    logic_.setCaption(caption);
    // WS_EX_CONTROLPARENT: the tab key walks into the controls inside.
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, ClassName, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                              bounds.left, bounds.top, bounds.width, bounds.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    if (!window_)
        throw Error("Cannot create a group box");
    part_.attach(window_);
}

TrGroupBox::~TrGroupBox()
{
    if (window_)
        DestroyWindow(window_);
}

void TrGroupBox::paintNormal(HDC dc) const
{
    RECT client;
    GetClientRect(window_, &client);
    const SelectedObject font(dc, transparentControlFont());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const Rect f = TCustomTrGroupBox::frame({client.right, client.bottom}, metrics.tmHeight);
    // An etched line: the light one a pixel right of and below the dark one.
    RECT line{f.left + 1, f.top + 1, f.left + f.width, f.top + f.height};
    FrameRect(dc, &line, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    OffsetRect(&line, -1, -1);
    FrameRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
    const std::string& caption = logic_.Caption();
    if (!caption.empty()) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        const Rect place = TCustomTrGroupBox::captionPlace({extent.cx, metrics.tmHeight});
        RECT r{place.left, place.top, place.left + place.width, place.top + place.height};
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void TrGroupBox::detach()
{
    part_.detach();
    window_ = nullptr;
}

LRESULT TrGroupBox::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TransparentRefreshMessage:
        part_.refresh();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        const PaintDC dc(window_);
        if (!capturingBackground())
            part_.paint(dc.get(), [this](HDC look) { paintNormal(look); });
        return 0;
    }
    case WM_MOVE:
        part_.refresh();
        // The controls inside show this box's picture: it changed under them.
        for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (transparentPartOf(child))
                PostMessageA(child, TransparentRefreshMessage, 0, 0);
        break;
    case WM_SIZE:
        part_.resized();
        part_.refresh();
        break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return SendMessageA(GetParent(window_), message, wParam, lParam);
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

} // namespace lv::win32
