#include "controls/win32/ButtonHost.h"

#include "controls/win32/SkinPictures.h"
#include "platform/win32/Handles.h"
#include "platform/win32/HintWindow.h"

#include <commctrl.h>
#include <windowsx.h>

namespace lv::win32 {

namespace {

RECT toRect(const Rect& r)
{
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

Point local(const Thbitbtn& button, POINT at)
{
    return {at.x - button.bounds().left, at.y - button.bounds().top};
}

MouseButton buttonOf(UINT message)
{
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return MouseButton::Middle;
    default: return MouseButton::Left;
    }
}

} // namespace

ButtonHost::ButtonHost(HWND parent, int hintDelayMilliseconds)
    : parent_(parent), hintDelay_(hintDelayMilliseconds)
{
}

ButtonHost::~ButtonHost()
{
    for (Thbitbtn* button : buttons_)
        button->setSurface(nullptr);
    if (tooltip_)
        DestroyWindow(tooltip_);
}

void ButtonHost::setHintDelay(int milliseconds)
{
    hintDelay_ = milliseconds;
    if (tooltip_)
        SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(milliseconds, 0));
}

void ButtonHost::add(Thbitbtn& button)
{
    button.setSurface(this);
    buttons_.push_back(&button);
    if (tooltip_)
        addHint(buttons_.size() - 1);
}

void ButtonHost::addHint(std::size_t index)
{
    const Thbitbtn& button = *buttons_[index];
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    // The tooltip watches the parent's mouse messages itself, one tool per
    // button rectangle: the buttons have no windows to attach hints to.
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = parent_;
    tool.uId = index + 1;
    tool.lpszText = const_cast<char*>(button.Hint.c_str());
    tool.rect = button.Visible() && button.ShowHint ? toRect(button.bounds()) : RECT{};
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ButtonHost::makeHints(const MSG& first)
{
    // The hint window (and comctl32 with it) is made when the mouse first
    // moves over the parent, not with the window: it is not needed to show it.
    if (hintsMade_)
        return;
    hintsMade_ = true;
    tooltip_ = createHintWindow(parent_);
    if (!tooltip_)
        return;
    SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(hintDelay_, 0));
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        addHint(i);
    // The tooltip's own watch begins with the next message: it learns of
    // this one from here.
    MSG copy = first;
    SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}

void ButtonHost::updateHints()
{
    if (!tooltip_)
        return;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const Thbitbtn& button = *buttons_[i];
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = parent_;
        tool.uId = i + 1;
        tool.rect = button.Visible() && button.ShowHint ? toRect(button.bounds()) : RECT{};
        SendMessageA(tooltip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void ButtonHost::paint(HDC dc, const RECT& area) const
{
    for (const Thbitbtn* button : buttons_) {
        if (!button->Visible())
            continue;
        const RECT r = toRect(button->bounds());
        RECT common;
        if (!IntersectRect(&common, &r, &area))
            continue;
        if (const Picture* picture = button->pictureToPaint())
            drawPicturePart(dc, *picture, r.left, r.top, r.right - r.left, r.bottom - r.top);
        if (!button->Caption().empty()) {
            const Rect c = button->captionRect();
            RECT text{r.left + c.left, r.top + c.top, r.left + c.left + c.width, r.top + c.top + c.height};
            const int mode = SetBkMode(dc, TRANSPARENT);
            const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
            DrawTextA(dc, button->Caption().substr(0, 255).c_str(), -1, &text,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            SetBkMode(dc, mode);
        }
    }
}

Thbitbtn* ButtonHost::buttonAt(POINT at) const
{
    // The last added lies on top, as controls placed later do.
    for (auto it = buttons_.rbegin(); it != buttons_.rend(); ++it)
        if ((*it)->Visible() && (*it)->bounds().contains({at.x, at.y}))
            return *it;
    return nullptr;
}

void ButtonHost::trackLeave()
{
    if (trackingLeave_)
        return;
    // comctl32's _TrackMouseEvent: user32's TrackMouseEvent is missing from
    // Windows 95 and NT 4.0.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, parent_, 0};
    trackingLeave_ = _TrackMouseEvent(&track) != FALSE;
}

void ButtonHost::follow(POINT at)
{
    // While a button holds the mouse, only it learns of crossings.
    Thbitbtn* under = buttonAt(at);
    if (captured_ && under != captured_)
        under = nullptr;
    if (under == hot_)
        return;
    Thbitbtn* left = hot_;
    hot_ = under;
    if (left)
        left->mouseLeave();
    if (hot_) {
        hot_->mouseEnter();
        trackLeave();
    }
}

bool ButtonHost::handleMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const unsigned keys = static_cast<unsigned>(wParam);
    switch (message) {
    case WM_MOUSEMOVE: {
        if (!hintsMade_) {
            const DWORD pos = GetMessagePos();
            makeHints(MSG{parent_, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
                          POINT{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)}});
        }
        follow(at);
        Thbitbtn* target = captured_ ? captured_ : hot_;
        if (target)
            target->mouseMove(local(*target, at), keys);
        return target != nullptr;
    }
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        // The mouse left after the hold ended unnoticed: the press is over.
        if (captured_ && GetCapture() != parent_)
            loseMouse();
        if (hot_ && !captured_) {
            Thbitbtn* left = hot_;
            hot_ = nullptr;
            left->mouseLeave();
        }
        return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
        follow(at);
        Thbitbtn* button = buttonAt(at);
        if (!button)
            return false;
        // A disabled button takes no press: nor does the parent act on it.
        if (!button->Enabled())
            return true;
        if (!captured_) {
            captured_ = button;
            SetCapture(parent_);
        }
        const UINT down = message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN
                          : message == WM_RBUTTONDBLCLK ? WM_RBUTTONDOWN
                          : message == WM_MBUTTONDBLCLK ? WM_MBUTTONDOWN : message;
        button->mouseDown(buttonOf(down), local(*button, at), keys);
        return true;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        Thbitbtn* button = captured_;
        if (!button)
            return buttonAt(at) != nullptr;
        captured_ = nullptr;
        if (GetCapture() == parent_)
            ReleaseCapture();
        follow(at);
        // The click may end the window: nothing of this object is used after it.
        button->mouseUp(buttonOf(message), local(*button, at), keys);
        return true;
    }
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a message box), or the system
        // cancelled the mode (WM_CANCELMODE releases it): the press is over.
        if (captured_ && reinterpret_cast<HWND>(lParam) != parent_)
            loseMouse();
        return false;
    }
    return false;
}

void ButtonHost::loseMouse()
{
    Thbitbtn* held = captured_;
    captured_ = nullptr;
    held->cancelPress();
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(parent_, &cursor);
    follow(cursor);
}

void ButtonHost::invalidate(const Thbitbtn& button)
{
    const RECT r = toRect(button.bounds());
    InvalidateRect(parent_, &r, TRUE);
}

void ButtonHost::repaint(const Thbitbtn& button)
{
    invalidate(button);
    UpdateWindow(parent_);
}

} // namespace lv::win32
