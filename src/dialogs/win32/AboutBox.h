#pragma once
// The view of the about box `Tbigabout`: a borderless octagon drawn from
// its picture, dragged by its top strip, with three skinned buttons.
#include "controls/Picture.h"
#include "controls/hbitbtn.h"
#include "controls/win32/ButtonHost.h"
#include "controls/win32/DragStripInput.h"
#include "dialogs/mainabout.h"
#include "platform/Shell.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace lv::win32 {

class AboutBox : public AboutView {
public:
    // quitMain runs the main window's Quit; errors go to report.
    AboutBox(HINSTANCE instance, HWND owner, Shell& shell, std::function<void()> quitMain,
             std::function<void(const std::string&)> report);
    ~AboutBox() override;
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    // Shown without being modal; centred on the screen the first time.
    void show();
    void hide() override;
    HWND handle() const { return window_; }
    Tbigabout& logic() { return logic_; }

    void attach(HWND window) { window_ = window; }
    void detach() { window_ = nullptr; }
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void reportError(const std::string& message) { report_(message); }

private:
    void makeContent();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    Tbigabout logic_;
    std::function<void(const std::string&)> report_;
    Picture Image1;
    Thbitbtn hbitbtn1, hbitbtn3, hbitbtn4;
    std::unique_ptr<ButtonHost> buttons_;
    bool shownBefore_ = false;
    DragStripInput dragInput_{logic_.Image2, AboutDragStripRect};
};

} // namespace lv::win32
