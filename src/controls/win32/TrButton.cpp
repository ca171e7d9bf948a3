#include "controls/win32/TrButton.h"

#include "base/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Subclass.h"

#include <commctrl.h>

namespace lv::win32 {

namespace {

constexpr UINT_PTR SubclassId = 0x5472; // "Tr"
constexpr const char* RadioProperty = "LvTrRadioButton";

int checkOf(TCheckBoxState state)
{
    switch (state) {
    case TCheckBoxState::cbChecked:
        return BST_CHECKED;
    case TCheckBoxState::cbGrayed:
        return BST_INDETERMINATE;
    case TCheckBoxState::cbUnchecked:
        break;
    }
    return BST_UNCHECKED;
}

TCheckBoxState stateOf(int check)
{
    if (check == BST_CHECKED)
        return TCheckBoxState::cbChecked;
    return check == BST_INDETERMINATE ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked;
}

} // namespace

TrButton::TrButton(HWND parent, const Rect& bounds, DWORD style, const std::string& caption, int id, bool watched)
    : part_(watched)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    window_ = CreateWindowExA(0, "BUTTON", caption.c_str(), WS_CHILD | WS_TABSTOP | style, bounds.left, bounds.top,
                              bounds.width, bounds.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              instance, nullptr);
    if (!window_)
        throw Error("Cannot create a transparent button");
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(transparentControlFont()), FALSE);
    setWindowSubclass(window_, &TrButton::proc, SubclassId, reinterpret_cast<DWORD_PTR>(this));
    part_.attach(window_);
}

TrButton::~TrButton()
{
    if (window_)
        DestroyWindow(window_);
}

void TrButton::showCheck(int check)
{
    showing_ = true;
    SendMessageA(window_, BM_SETCHECK, static_cast<WPARAM>(check), 0);
    showing_ = false;
}

int TrButton::shownCheck() const
{
    return static_cast<int>(SendMessageA(window_, BM_GETCHECK, 0, 0));
}

void TrButton::repaintIfTransparent()
{
    // The standard button draws itself at once, opaquely: draw it again.
    if (part_.Transparent())
        InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK TrButton::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    return runTransparentControlGuarded(
        window, [&] { return reinterpret_cast<TrButton*>(self)->onMessage(message, wParam, lParam); });
}

LRESULT TrButton::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = window_;
    switch (message) {
    case TransparentRefreshMessage:
        part_.refresh();
        return 0;
    case WM_ERASEBKGND:
        if (part_.Transparent())
            return TRUE;
        break;
    case WM_PAINT:
        if (capturingBackground()) {
            ValidateRect(window, nullptr);
            return 0;
        }
        if (part_.Transparent()) {
            const PaintDC dc(window);
            part_.paint(dc.get(), [window](HDC look) {
                defSubclassProc(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(look), PRF_CLIENT);
            });
            return 0;
        }
        break;
    case BM_SETCHECK:
        if (!userInput_ && !showing_) {
            const LRESULT result = defSubclassProc(window, message, wParam, lParam);
            repaintIfTransparent();
            checkSetFromOutside(static_cast<int>(wParam));
            return result;
        }
        break;
    case WM_LBUTTONUP:
    case WM_KEYUP:
    case BM_CLICK: {
        const bool outer = userInput_;
        userInput_ = true;
        const LRESULT result = defSubclassProc(window, message, wParam, lParam);
        userInput_ = outer;
        if (!outer && window_) {
            userInputDone();
            repaintIfTransparent();
        }
        return result;
    }
    case WM_MOVE:
        part_.refresh();
        break;
    case WM_SIZE: {
        part_.resized();
        const LRESULT result = defSubclassProc(window, message, wParam, lParam);
        part_.refresh();
        return result;
    }
    case WM_NCDESTROY:
        part_.detach();
        removeWindowSubclass(window, &TrButton::proc, SubclassId);
        window_ = nullptr;
        return defSubclassProc(window, message, wParam, lParam);
    }
    const LRESULT result = defSubclassProc(window, message, wParam, lParam);
    if ((message == WM_KEYDOWN || message == WM_CHAR) && window_)
        keyHandled(message, wParam, lParam);
    switch (message) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_CAPTURECHANGED:
        repaintIfTransparent();
        break;
    }
    return result;
}

TrCheckBox::TrCheckBox(HWND parent, const Rect& bounds, const std::string& caption, int id)
    : TrButton(parent, bounds, BS_AUTOCHECKBOX | WS_VISIBLE, caption, id, true)
{
    logic_.setCaption(caption);
    logic_.OnStateChanged = [this] { showCheck(checkOf(logic_.State())); };
    logic_.OnClick = [this] {
        if (OnClick)
            OnClick();
    };
}

void TrCheckBox::setAllowGrayed(bool value)
{
    logic_.setAllowGrayed(value);
    SendMessageA(handle(), BM_SETSTYLE, value ? BS_AUTO3STATE : BS_AUTOCHECKBOX, TRUE);
}

void TrCheckBox::userInputDone()
{
    // The standard box stepped its own way; the step is ours to take.
    if (shownCheck() != checkOf(logic_.State()))
        logic_.Toggle();
    showCheck(checkOf(logic_.State()));
}

void TrCheckBox::checkSetFromOutside(int check)
{
    logic_.setState(stateOf(check));
}

TrRadioButton::TrRadioButton(HWND parent, const Rect& bounds, const std::string& caption, int id)
    : TrButton(parent, bounds, BS_AUTORADIOBUTTON | WS_VISIBLE, caption, id, true)
{
    SetPropA(handle(), RadioProperty, this);
    logic_.setCaption(caption);
    logic_.OnCheckChanged = [this] { showCheck(logic_.Checked() ? BST_CHECKED : BST_UNCHECKED); };
    logic_.TurnSiblingsOff = [this] { turnSiblingsOff(); };
    logic_.OnClick = [this] {
        if (OnClick)
            OnClick();
    };
}

TrRadioButton::~TrRadioButton()
{
    if (handle())
        RemovePropA(handle(), RadioProperty);
}

void TrRadioButton::turnSiblingsOff()
{
    for (HWND w = GetWindow(GetParent(handle()), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        auto* sibling = static_cast<TrRadioButton*>(GetPropA(w, RadioProperty));
        if (sibling && sibling != this)
            sibling->setChecked(false);
    }
}

void TrRadioButton::userInputDone()
{
    if (shownCheck() == BST_CHECKED)
        logic_.click();
    showCheck(logic_.Checked() ? BST_CHECKED : BST_UNCHECKED);
}

void TrRadioButton::checkSetFromOutside(int check)
{
    logic_.setChecked(check == BST_CHECKED);
}

// Invisible until the group lays it out.
TrGroupButton::TrGroupButton(HWND group, int id) : TrButton(group, Rect{0, 0, 1, 1}, BS_RADIOBUTTON, "", id, false) {}

void TrGroupButton::keyHandled(UINT message, WPARAM wParam, LPARAM lParam)
{
    SendMessageA(GetParent(handle()), message, wParam, lParam);
}

} // namespace lv::win32
