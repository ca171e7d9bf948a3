#include "scheduler/scheduler.h"

#include "base/Rounding.h"
#include "base/Error.h"
#include "config/ConfigFile.h"

#include <cstdlib>
#include <limits>
#include <utility>

namespace lv {

namespace {

constexpr const char* SchedulerSectionName = SchedulerSection;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the text's form and gives it back with '.' as the decimal point,
// ready for the C library's conversion; false when it is no number.
bool normalised(const std::string& text, char decimalSeparator, std::string& out)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    std::size_t end = n;
    while (end > i && text[end - 1] == ' ') --end;
    out.clear();
    if (i < end && (text[i] == '+' || text[i] == '-')) out += text[i++];
    bool digits = false;
    while (i < end && isDigit(text[i])) { out += text[i++]; digits = true; }
    if (i < end && text[i] == decimalSeparator) {
        out += '.';
        ++i;
        while (i < end && isDigit(text[i])) { out += text[i++]; digits = true; }
    }
    if (!digits) return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) out += text[i++];
        bool exponentDigits = false;
        while (i < end && isDigit(text[i])) { out += text[i++]; exponentDigits = true; }
        if (!exponentDigits) return false;
    }
    return i == end;
}

} // namespace

std::int32_t intervalFromText(const std::string& text, char decimalSeparator)
{
    std::string number;
    if (!normalised(text, decimalSeparator, number))
        throw Error(formatMessage("'%s' is not a valid floating point value", text));
    // A number beyond the double range reads as infinity, which no 32-bit
    // integer holds either; one too small for it reads as 0.
    const double rounded = roundHalfEven(std::strtod(number.c_str(), nullptr));
    if (rounded > std::numeric_limits<std::int32_t>::max() || rounded < std::numeric_limits<std::int32_t>::min())
        throw Error("Invalid floating point operation");
    return static_cast<std::int32_t>(rounded);
}

Tschedule::Tschedule(ProfileFile& profile, std::string configPath, char decimalSeparator)
    : profile_(profile), configPath_(std::move(configPath)), decimalSeparator_(decimalSeparator)
{
    for (RadioGroupState& group : radio) {
        group.items = {"1", "2"};
        group.visible = true;
    }
    for (EditState& field : edit)
        field.visible = true;
}

void Tschedule::open()
{
    for (std::size_t i = 0; i < ScheduleBlocks.size(); ++i)
        edit[i].text = std::to_string(profile_.readInteger(configPath_, SchedulerSectionName,
                                                           ScheduleBlocks[i].intervalKey, 0));
    for (std::size_t i = 0; i < ScheduleBlocks.size(); ++i)
        radio[i].setItemIndex(profile_.readInteger(configPath_, SchedulerSectionName, ScheduleBlocks[i].choiceKey, 0));
    visible = true;
}

void Tschedule::Button1Click()
{
    for (std::size_t i = 0; i < ScheduleBlocks.size(); ++i)
        profile_.writeInteger(configPath_, SchedulerSectionName, ScheduleBlocks[i].choiceKey, radio[i].itemIndex);
    for (EditState& field : edit)
        if (field.text.empty())
            field.text = "0";
    std::array<std::int32_t, CyclerCount> minutes{};
    for (std::size_t i = 0; i < edit.size(); ++i) {
        const std::int32_t value = intervalFromText(edit[i].text, decimalSeparator_);
        minutes[i] = value > MaximumIntervalMinutes ? MaximumIntervalMinutes : (value < 0 ? 0 : value);
    }
    for (std::size_t i = 0; i < ScheduleBlocks.size(); ++i)
        profile_.writeInteger(configPath_, SchedulerSectionName, ScheduleBlocks[i].intervalKey, minutes[i]);
    visible = false;
}

void Tschedule::Button2Click()
{
    visible = false;
}

} // namespace lv
