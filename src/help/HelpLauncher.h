#pragma once
// Starting the help program: a click always ends an open help window and
// starts a fresh copy.
#include "platform/Shell.h"
#include "platform/TopLevelWindows.h"

#include <string>

namespace lv {

constexpr const char* HelpClassName = "Thelpform";
constexpr const char* HelpTitle = "Lumivane 3 Help";
constexpr const char* HelpProgram = "lumivane3help.exe";

// programDirectory ends with a backslash. A failure to start is not reported.
void startHelp(TopLevelWindows& windows, Shell& shell, const std::string& programDirectory);

} // namespace lv
