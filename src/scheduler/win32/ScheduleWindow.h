#pragma once
// The view of the scheduler dialog `Tschedule`: a borderless octagon drawn
// from its picture, dragged by `dragschedule`, with the five transparent
// choice groups, the five interval fields and two skinned buttons.
#include "controls/Picture.h"
#include "controls/SkinnedWindow.h"
#include "controls/hbitbtn.h"
#include "controls/win32/ButtonHost.h"
#include "controls/win32/DragStripInput.h"
#include "controls/win32/TrRadioGroup.h"
#include "scheduler/scheduler.h"

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace lv::win32 {

constexpr Size ScheduleClientSize{483, 243};
constexpr Rect DragScheduleRect{8, 0, 465, 17}; // `dragschedule`

class ScheduleWindow {
public:
    // Made at program start, hidden until opened; errors go to report.
    ScheduleWindow(HINSTANCE instance, HWND owner, ProfileFile& profile, const std::string& configPath,
                   std::function<void(const std::string&)> report);
    ~ScheduleWindow();
    ScheduleWindow(const ScheduleWindow&) = delete;
    ScheduleWindow& operator=(const ScheduleWindow&) = delete;

    // "Open the Scheduler window": the values from the file, shown without
    // being modal; centred on the screen the first time.
    void open();
    HWND handle() const { return window_; }
    Tschedule& logic() { return *logic_; }

    void attach(HWND window) { window_ = window; }
    void detach() { window_ = nullptr; }
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void reportError(const std::string& message) { report_(message); }

private:
    void makeContent();
    void showLogic();
    void takeFromControls();
    void useSettings();
    void closeIfHidden();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::unique_ptr<Tschedule> logic_;
    std::function<void(const std::string&)> report_;
    Picture background_;
    Thbitbtn hbitbtn1, hbitbtn2;
    std::unique_ptr<ButtonHost> buttons_;
    std::array<std::unique_ptr<TrRadioGroup>, 5> radio_;
    std::array<HWND, 5> edit_{};
    DragStrip dragschedule_;
    DragStripInput dragInput_{dragschedule_, DragScheduleRect};
    bool shownBefore_ = false;
};

} // namespace lv::win32
