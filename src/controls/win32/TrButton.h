#pragma once
// Transparent check boxes and radio buttons under Win32: standard button
// windows whose painting is taken over, so that only the box or circle, the
// check mark and the text appear over the parent's picture.
#include "base/Geometry.h"
#include "controls/TrCtrls.h"
#include "controls/win32/TrSupport.h"

#include <windows.h>

#include <functional>
#include <string>

namespace lv::win32 {

// A standard button window that paints transparently.
class TrButton {
public:
    // watched: false for the buttons of a radio group, which refreshes them.
    TrButton(HWND parent, const Rect& bounds, DWORD style, const std::string& caption, int id, bool watched);
    virtual ~TrButton();
    TrButton(const TrButton&) = delete;
    TrButton& operator=(const TrButton&) = delete;

    HWND handle() const { return window_; }
    bool Transparent() const { return part_.Transparent(); }
    void setTransparent(bool on) { part_.setTransparent(on); }

protected:
    // A mouse or key release or a click message was handled: the standard
    // button may have changed its own check.
    virtual void userInputDone() {}
    // Someone sent BM_SETCHECK.
    virtual void checkSetFromOutside(int) {}
    // A key-down or character the button has handled.
    virtual void keyHandled(UINT, WPARAM, LPARAM) {}
    // Shows a check without taking it as sent from outside.
    void showCheck(int check);
    int shownCheck() const;

private:
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR self);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void repaintIfTransparent();

    HWND window_ = nullptr;
    TransparentPart part_;
    bool userInput_ = false;
    bool showing_ = false;
};

// `TTrCheckBox`: a click steps its state, each change calls OnClick.
class TrCheckBox : public TrButton {
public:
    TrCheckBox(HWND parent, const Rect& bounds, const std::string& caption, int id = 0);
    TTrCheckBox& logic() { return logic_; }
    TCheckBoxState State() const { return logic_.State(); }
    void setState(TCheckBoxState value) { logic_.setState(value); }
    bool Checked() const { return logic_.Checked(); }
    void setChecked(bool value) { logic_.setChecked(value); }
    bool AllowGrayed() const { return logic_.AllowGrayed(); }
    void setAllowGrayed(bool value);
    std::function<void()> OnClick;

private:
    void userInputDone() override;
    void checkSetFromOutside(int check) override;

    TTrCheckBox logic_;
};

// `TTrRadioButton`: checking it unchecks the other transparent radio
// buttons of the same parent.
class TrRadioButton : public TrButton {
public:
    TrRadioButton(HWND parent, const Rect& bounds, const std::string& caption, int id = 0);
    ~TrRadioButton() override;
    TTrRadioButton& logic() { return logic_; }
    bool Checked() const { return logic_.Checked(); }
    void setChecked(bool value) { logic_.setChecked(value); }
    std::function<void()> OnClick;

private:
    void userInputDone() override;
    void checkSetFromOutside(int check) override;
    void turnSiblingsOff();

    TTrRadioButton logic_;
};

// `TTrGroupButton`: one button of a radio group, which answers its clicks
// and hears its keys as well.
class TrGroupButton : public TrButton {
public:
    TrGroupButton(HWND group, int id);

private:
    void keyHandled(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace lv::win32
