#pragma once
// `TTrGroupBox` under Win32: a frame with its caption, always transparent,
// that holds other controls. Transparent controls inside it show its cached
// picture of the parent at their own place, so the whole group shows one
// consistent background. Notifications of the controls inside go on to the
// group box's parent, as if they were its own.
#include "base/Geometry.h"
#include "controls/TrCtrls.h"
#include "controls/win32/TrSupport.h"

#include <windows.h>

#include <string>

namespace lv::win32 {

class TrGroupBox {
public:
    TrGroupBox(HWND parent, const Rect& bounds, const std::string& caption, int id = 0);
    ~TrGroupBox();
    TrGroupBox(const TrGroupBox&) = delete;
    TrGroupBox& operator=(const TrGroupBox&) = delete;

    HWND handle() const { return window_; }
    TTrGroupBox& logic() { return logic_; }

private:
    template <class Window>
    friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
    void attach(HWND window) { window_ = window; }
    void detach();
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void reportError(const std::string& message) const { reportTransparentControlError(window_, message); }
    void paintNormal(HDC dc) const;

    HWND window_ = nullptr;
    TTrGroupBox logic_;
    TransparentPart part_;
};

} // namespace lv::win32
