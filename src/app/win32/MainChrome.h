#pragma once
// The main window's skin: its background and page panels, every skinned
// button of the window, its traced shape and its drag bar. The window
// gives it its messages and wires the buttons' clicks to the handlers.
#include "app/MainFormLayout.h"
#include "app/MainWindowMap.h"
#include "controls/Picture.h"
#include "controls/SkinnedWindow.h"
#include "controls/hbitbtn.h"
#include "controls/win32/ButtonHost.h"
#include "controls/win32/DragStripInput.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

namespace lv::win32 {

class MainChrome {
public:
    // Loads the skin and places the buttons; throws lv::Error when the
    // program lacks a skin picture.
    MainChrome(HWND window, HINSTANCE instance);
    MainChrome(const MainChrome&) = delete;
    MainChrome& operator=(const MainChrome&) = delete;

    // The skinned buttons, in the order of mainWindowButtons().
    std::vector<Thbitbtn>& buttons() { return buttons_; }

    // Shapes the window from the background picture.
    void shapeWindow();
    // The colour the controls on the skin take.
    Colour controlColour() const;
    // Shows a page's panel and skinned buttons.
    void showPage(MainPage page);
    MainPage page() const { return page_; }
    void setHintDelay(int milliseconds) { host_->setHintDelay(milliseconds); }

    void paint(HDC dc, const RECT& area) const;
    // The window's mouse messages: true when the skin took it (a button or
    // the drag bar).
    bool handleMouse(UINT message, WPARAM wParam, LPARAM lParam);

private:
    HWND window_;
    HINSTANCE instance_;
    Picture background_;
    std::array<Picture, PageCount> panels_;
    // Filled once: the button host keeps their addresses.
    std::vector<Thbitbtn> buttons_;
    std::unique_ptr<ButtonHost> host_;
    DragStrip dragbar_;
    DragStripInput dragInput_{dragbar_, DragBarRect};
    MainPage page_ = MainPage::General;
};

} // namespace lv::win32
