#include "controls/win32/TrRadioGroup.h"

#include "base/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowProcedure.h"

#include <algorithm>

namespace lv::win32 {

namespace {

constexpr const char* ClassName = "TTrRadioGroup";

} // namespace

TrRadioGroup::TrRadioGroup(HWND parent, const Rect& bounds, int id)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    registerWindowClassOnce(instance, ClassName, &windowProcedure<TrRadioGroup>);
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
    part_.attach(window_);
}

TrRadioGroup::~TrRadioGroup()
{
    buttons_.clear();
    if (window_)
        DestroyWindow(window_);
}

void TrRadioGroup::setTransparent(bool on)
{
    if (on == part_.Transparent())
        return;
    for (auto& b : buttons_)
        b->setTransparent(on);
    part_.setTransparent(on);
}

void TrRadioGroup::refresh()
{
    part_.refresh();
    invalidateButtons();
}

int TrRadioGroup::fontHeight() const
{
    const WindowDC dc(window_);
    const SelectedObject font(dc.get(), transparentControlFont());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.get(), &metrics);
    return metrics.tmHeight;
}

void TrRadioGroup::invalidateButtons()
{
    for (auto& b : buttons_)
        InvalidateRect(b->handle(), nullptr, FALSE);
}

void TrRadioGroup::showChecks()
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        SendMessageA(buttons_[i]->handle(), BM_SETCHECK,
                     logic_.buttonChecked(static_cast<int>(i)) ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TrRadioGroup::updateButtons()
{
    const auto& items = logic_.Items();
    while (buttons_.size() > items.size())
        buttons_.pop_back();
    while (buttons_.size() < items.size()) {
        // The group answers their clicks.
        buttons_.push_back(std::make_unique<TrGroupButton>(window_, static_cast<int>(buttons_.size() + 1)));
        buttons_.back()->setTransparent(part_.Transparent());
        EnableWindow(buttons_.back()->handle(), IsWindowEnabled(window_));
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        SetWindowTextA(buttons_[i]->handle(), items[i].c_str());
    showChecks();
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
    // All buttons move together in one batch.
    HDWP batch = BeginDeferWindowPos(static_cast<int>(places.size()));
    for (std::size_t i = 0; i < places.size() && batch; ++i)
        batch = DeferWindowPos(batch, buttons_[i]->handle(), nullptr, places[i].left, places[i].top, places[i].width,
                               places[i].height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (batch)
        EndDeferWindowPos(batch);
}

void TrRadioGroup::moveChoice(bool forward)
{
    const int count = static_cast<int>(buttons_.size());
    if (count == 0)
        return;
    const HWND focus = GetFocus();
    const auto focused = std::find_if(buttons_.begin(), buttons_.end(),
                                      [focus](const auto& b) { return b->handle() == focus; });
    const int from = focused != buttons_.end() ? static_cast<int>(focused - buttons_.begin()) : ItemIndex();
    const int to = from < 0 ? 0 : (from + (forward ? 1 : count - 1)) % count;
    // As the keyboard moves among radio buttons: the focus goes along, and
    // the button it reaches is clicked (by the system, where it clicks a
    // radio button on focus; otherwise here).
    SetFocus(buttons_[static_cast<std::size_t>(to)]->handle());
    if (ItemIndex() != to)
        SendMessageA(window_, WM_COMMAND, MAKEWPARAM(to + 1, BN_CLICKED),
                     reinterpret_cast<LPARAM>(buttons_[static_cast<std::size_t>(to)]->handle()));
}

void TrRadioGroup::detach()
{
    part_.detach();
    window_ = nullptr;
}

LRESULT TrRadioGroup::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TransparentRefreshMessage:
        refresh();
        return 0;
    case WM_ERASEBKGND:
        if (part_.Transparent())
            return TRUE;
        break;
    case WM_PAINT: {
        if (capturingBackground()) {
            ValidateRect(window_, nullptr);
            return 0;
        }
        {
            const PaintDC dc(window_);
            // The group's own look is its face colour alone: all of it is
            // see-through when it is transparent.
            if (part_.Transparent()) {
                part_.paint(dc.get(), [](HDC) {});
            } else {
                RECT client;
                GetClientRect(window_, &client);
                FillRect(dc.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
            }
        }
        invalidateButtons();
        return 0;
    }
    case WM_MOVE:
        part_.refresh();
        break;
    case WM_SIZE:
        part_.resized();
        layOut();
        part_.refresh();
        break;
    case WM_ENABLE:
        for (auto& b : buttons_)
            EnableWindow(b->handle(), wParam != 0);
        break;
    case WM_KEYDOWN:
        // Passed on by a button: the arrows move the choice.
        if (wParam == VK_UP || wParam == VK_LEFT || wParam == VK_DOWN || wParam == VK_RIGHT) {
            moveChoice(wParam == VK_DOWN || wParam == VK_RIGHT);
            return 0;
        }
        break;
    case WM_COMMAND: {
        const HWND from = reinterpret_cast<HWND>(lParam);
        const int code = HIWORD(wParam);
        if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && !clicking_) {
            // One click per notification: the group's handler may cause more.
            // An OnClick that fails leaves the group ready and showing its
            // choice all the same.
            struct Done {
                TrRadioGroup& group;
                ~Done()
                {
                    group.clicking_ = false;
                    group.showChecks();
                }
            };
            clicking_ = true;
            const Done done{*this};
            const auto it = std::find_if(buttons_.begin(), buttons_.end(),
                                         [from](const auto& b) { return b->handle() == from; });
            if (it != buttons_.end())
                logic_.buttonClicked(static_cast<int>(it - buttons_.begin()));
        }
        return 0;
    }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

} // namespace lv::win32
