#include "scheduler/win32/ScheduleWindow.h"

#include "platform/win32/WindowProcedure.h"
#include "controls/win32/SkinPictures.h"
#include "platform/win32/WindowClass.h"
#include "controls/win32/SkinnedDialog.h"
#include "controls/win32/WindowRegion.h"
#include "base/Error.h"
#include "skin/SkinLayout.h"


namespace lv::win32 {

namespace {

char systemDecimalSeparator()
{
    char text[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text) > 1)
        return text[0];
    return '.';
}

std::string windowText(HWND window)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

ScheduleWindow::ScheduleWindow(HINSTANCE instance, HWND owner, ProfileFile& profile, const std::string& configPath,
                               std::function<void(const std::string&)> report)
    : instance_(instance), logic_(std::make_unique<Tschedule>(profile, configPath, systemDecimalSeparator())),
      report_(std::move(report))
{
    registerWindowClassOnce(instance, ScheduleWindowClass, &windowProcedure<ScheduleWindow>);
    // Owned by the main window: it stays above it and has no task-bar
    // button of its own. WS_CLIPCHILDREN: the transparent groups take the
    // picture under them from this window's own painting.
    if (!CreateWindowExA(0, ScheduleWindowClass, ScheduleWindowTitle, WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0,
                         ScheduleClientSize.width, ScheduleClientSize.height, owner, nullptr, instance, this))
        throw Error("Cannot create the scheduler window");
}

ScheduleWindow::~ScheduleWindow()
{
    if (window_)
        DestroyWindow(window_);
}

void ScheduleWindow::makeContent()
{
    // Made when first opened: the window itself comes at start-up, its
    // pictures and controls cost start-up time the user would wait for.
    if (buttons_)
        return;
    background_ = loadSkinPicture(instance_, "SCHEDULEBACK");
    dressButton(instance_, hbitbtn1, "USESETTINGS");
    dressButton(instance_, hbitbtn2, "SCHEDCANCEL");
    hbitbtn1.setBounds(skin::ScheduleUseButton);
    hbitbtn1.Hint = "Use These Settings";
    hbitbtn2.setBounds(skin::ScheduleCancelButton);
    hbitbtn2.Hint = "Cancel";
    hbitbtn1.OnClick = [this] { useSettings(); };
    hbitbtn2.OnClick = [this] {
        logic_->Button2Click();
        closeIfHidden();
    };
    auto buttons = std::make_unique<ButtonHost>(window_);
    buttons->add(hbitbtn1);
    buttons->add(hbitbtn2);

    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < 5; ++i) {
        radio_[static_cast<std::size_t>(i)] = std::make_unique<TrRadioGroup>(window_, skin::schedulerChoice(i), 200 + i);
        radio_[static_cast<std::size_t>(i)]->setItems({"1", "2"});
        const Rect r = skin::schedulerInterval(i);
        edit_[static_cast<std::size_t>(i)] =
            CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "0", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, r.left,
                            r.top, r.width, r.height, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(300 + i)), instance_, nullptr);
        if (!edit_[static_cast<std::size_t>(i)])
            throw Error("Cannot create the interval field");
        SendMessageA(edit_[static_cast<std::size_t>(i)], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    applyOutline(window_, octagonOutline(ScheduleClientSize));
    buttons_ = std::move(buttons);
}

void ScheduleWindow::open()
{
    makeContent();
    logic_->open();
    showLogic();
    showSkinnedWindow(window_, ScheduleClientSize, shownBefore_);
}

void ScheduleWindow::showLogic()
{
    for (std::size_t i = 0; i < 5; ++i) {
        radio_[i]->setItemIndex(logic_->radio[i].itemIndex);
        SetWindowTextA(edit_[i], logic_->edit[i].text.c_str());
    }
}

void ScheduleWindow::takeFromControls()
{
    for (std::size_t i = 0; i < 5; ++i) {
        logic_->radio[i].itemIndex = radio_[i]->ItemIndex();
        logic_->edit[i].text = windowText(edit_[i]);
    }
}

void ScheduleWindow::useSettings()
{
    takeFromControls();
    try {
        logic_->Button1Click();
    } catch (...) {
        // The fields keep what the user typed, "0" in place of empty ones.
        showLogic();
        throw;
    }
    showLogic();
    closeIfHidden();
}

void ScheduleWindow::closeIfHidden()
{
    if (!logic_->visible)
        ShowWindow(window_, SW_HIDE);
}

LRESULT ScheduleWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        logic_->Button2Click();
        closeIfHidden();
        return 0;
    }
    LRESULT result;
    if (handleSkinnedMessage({window_, ScheduleClientSize, background_, buttons_.get(), dragInput_}, message, wParam,
                             lParam, result))
        return result;
    return DefWindowProcA(window_, message, wParam, lParam);
}

} // namespace lv::win32
