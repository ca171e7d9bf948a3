#pragma once
// `TTrRadioGroup` under Win32: a radio group whose own background is the
// parent's picture. The group and its buttons paint their normal look off
// screen, then copy only what differs from its bottom-left colour over the
// parent's picture taken from under them.
//
// The parent must paint its client area for WM_PRINTCLIENT (that is how the
// picture under the group is taken) and should have WS_CLIPCHILDREN.
#include "base/Geometry.h"
#include "controls/TrCtrls.h"
#include "controls/win32/TrButton.h"
#include "controls/win32/TrSupport.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lv::win32 {

class TrRadioGroup {
public:
    TrRadioGroup(HWND parent, const Rect& bounds, int id = 0);
    ~TrRadioGroup();
    TrRadioGroup(const TrRadioGroup&) = delete;
    TrRadioGroup& operator=(const TrRadioGroup&) = delete;

    HWND handle() const { return window_; }
    TCustomTrRadioGroup& logic() { return logic_; }
    void setItems(std::vector<std::string> items) { logic_.setItems(std::move(items)); }
    int ItemIndex() const { return logic_.ItemIndex(); }
    void setItemIndex(int value) { logic_.setItemIndex(value); }
    bool Transparent() const { return part_.Transparent(); }
    void setTransparent(bool on);
    std::function<void()> OnClick;

    // The refresh message: take the background again and repaint.
    void refresh();

private:
    template <class Window>
    friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
    void attach(HWND window) { window_ = window; }
    void detach();
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void reportError(const std::string& message) const { reportTransparentControlError(window_, message); }

    void updateButtons();
    void showChecks();
    void invalidateButtons();
    void layOut();
    // An arrow key on one of its buttons: the neighbour, round the ends.
    void moveChoice(bool forward);
    int fontHeight() const;

    HWND window_ = nullptr;
    // Its buttons take their background from the group's picture.
    std::vector<std::unique_ptr<TrGroupButton>> buttons_;
    TCustomTrRadioGroup logic_;
    TransparentPart part_;
    bool clicking_ = false;
};

} // namespace lv::win32
