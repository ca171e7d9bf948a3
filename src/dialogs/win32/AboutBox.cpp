#include "dialogs/win32/AboutBox.h"

#include "platform/win32/WindowProcedure.h"
#include "controls/win32/SkinPictures.h"
#include "platform/win32/WindowClass.h"
#include "controls/win32/SkinnedDialog.h"
#include "controls/win32/WindowRegion.h"
#include "base/Error.h"


namespace lv::win32 {

namespace {

void place(Thbitbtn& button, const Rect& r, const char* hint)
{
    button.setBounds(r);
    button.Hint = hint;
}

} // namespace

AboutBox::AboutBox(HINSTANCE instance, HWND owner, Shell& shell, std::function<void()> quitMain,
                   std::function<void(const std::string&)> report)
    : instance_(instance), logic_(shell, *this, std::move(quitMain)), report_(std::move(report))
{
    registerWindowClassOnce(instance, AboutClassName, &windowProcedure<AboutBox>);
    // Owned by the main window: it stays above it and goes with it, and has
    // no task-bar button of its own.
    if (!CreateWindowExA(0, AboutClassName, AboutTitle, WS_POPUP | WS_SYSMENU, 0, 0, AboutClientSize.width,
                         AboutClientSize.height, owner, nullptr, instance, this))
        throw Error("Cannot create the about box");
}

AboutBox::~AboutBox()
{
    if (window_)
        DestroyWindow(window_);
}

void AboutBox::show()
{
    makeContent();
    showSkinnedWindow(window_, AboutClientSize, shownBefore_);
}

void AboutBox::hide()
{
    ShowWindow(window_, SW_HIDE);
}

void AboutBox::makeContent()
{
    // Made when first shown, not at start-up, where the user would wait
    // for it.
    if (buttons_)
        return;
    Image1 = loadSkinPicture(instance_, "ABOUTBACK");
    dressButton(instance_, hbitbtn1, "WEBSITE");
    dressButton(instance_, hbitbtn3, "RETURN");
    dressButton(instance_, hbitbtn4, "QUIT");
    place(hbitbtn1, AboutWebButtonRect, "Go to Lumivane's Internet Site");
    place(hbitbtn3, AboutReturnButtonRect, "Return to Lumivane");
    place(hbitbtn4, AboutQuitButtonRect, "Quit Lumivane");
    hbitbtn1.OnClick = [this] { logic_.hbitbtn1Click(); };
    hbitbtn3.OnClick = [this] { logic_.hbitbtn3Click(); };
    hbitbtn4.OnClick = [this] { logic_.hbitbtn4Click(); };
    auto buttons = std::make_unique<ButtonHost>(window_);
    for (Thbitbtn* b : {&hbitbtn1, &hbitbtn3, &hbitbtn4})
        buttons->add(*b);
    applyOutline(window_, octagonOutline(AboutClientSize));
    buttons_ = std::move(buttons);
}

LRESULT AboutBox::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        hide();
        return 0;
    }
    LRESULT result;
    if (handleSkinnedMessage({window_, AboutClientSize, Image1, buttons_.get(), dragInput_}, message, wParam, lParam,
                             result))
        return result;
    return DefWindowProcA(window_, message, wParam, lParam);
}

} // namespace lv::win32
