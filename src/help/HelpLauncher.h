#pragma once
// Starting the help program: a click always ends an open help window and
// starts a fresh copy.
#include "base/ProgramIdentities.h"
#include "platform/Shell.h"
#include "platform/TopLevelWindows.h"

#include <string>

namespace lv {

constexpr const char* HelpClassName = HelpIdentity.windowClass;
constexpr const char* HelpTitle = HelpIdentity.title;
constexpr const char* HelpProgram = HelpIdentity.file;

// programDirectory ends with a backslash. A failure to start is not reported.
void startHelp(TopLevelWindows& windows, Shell& shell, const std::string& programDirectory);

} // namespace lv
