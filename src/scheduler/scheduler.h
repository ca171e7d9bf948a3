#pragma once
// The scheduler dialog `Tschedule`: per cycler, change only when the Updater
// starts with Windows, or also every so many minutes (at most 35,000).
#include "config/Cyclers.h"
#include "controls/ControlState.h"
#include "platform/ProfileFile.h"

#include <array>
#include <cstdint>
#include <string>

namespace lv {

constexpr const char* ScheduleWindowClass = "Tschedule";
constexpr const char* ScheduleWindowTitle = "Lumivane Schedule";
constexpr int MaximumIntervalMinutes = 35000;

// One block per cycler, in their order.
inline constexpr const auto& ScheduleBlocks = CyclerTable;

// A field's text as a number of minutes: a decimal number with fraction and
// exponent (the given decimal separator), rounded half to even. Throws
// "'<text>' is not a valid floating point value", or "Invalid floating point
// operation" when the rounded value does not fit a 32-bit integer.
std::int32_t intervalFromText(const std::string& text, char decimalSeparator);

class Tschedule {
public:
    Tschedule(ProfileFile& profile, std::string configPath, char decimalSeparator);

    // Fills the dialog from the file and shows it; again while shown, it
    // reloads every value, dropping edits not yet used.
    void open();
    // "Use Settings": the choices are written first; then every field is
    // converted and, when all are numbers, the intervals are written and the
    // dialog closes. A field that is no number stops it with the dialog open.
    void Button1Click();
    // "Cancel": closes without writing.
    void Button2Click();

    bool visible = false;
    std::array<RadioGroupState, CyclerCount> radio; // radio1 .. radio5
    std::array<EditState, CyclerCount> edit;        // Edit1 .. Edit5

private:
    ProfileFile& profile_;
    std::string configPath_;
    char decimalSeparator_;
};

} // namespace lv
