#pragma once
// What the Control Center does with the Updater, the separate program that
// does the cycling: find and close it, start it, and register it to start
// with Windows.
#include "base/ProgramIdentities.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/TopLevelWindows.h"

#include <string>

namespace lv {

constexpr const char* UpdaterWindowClass = UpdaterIdentity.windowClass;
constexpr const char* UpdaterWindowTitle = UpdaterIdentity.title;
constexpr const char* UpdaterProgram = UpdaterIdentity.file;
constexpr const char* RunKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* RunValueName = "LumivaneUpdater";

WindowHandle findRunningUpdater(TopLevelWindows& windows);
// Returns once the Updater has handled WM_CLOSE.
void closeUpdater(TopLevelWindows& windows, WindowHandle updater);
// Starts programDirectory + "updater3.exe"; a failure to start is not reported.
void startUpdater(Shell& shell, const std::string& programDirectory);
// HKEY_LOCAL_MACHINE Run value "LumivaneUpdater" = programDirectory +
// "updater3.exe"; where that key is there but refuses writing, the same
// value under HKEY_CURRENT_USER's Run key instead. A Run key that does not
// exist is passed over silently; a value that cannot be written raises
// "Failed to set data for '...'".
void registerUpdaterAtStartup(Registry& registry, const std::string& programDirectory);
// Deletes that value from both Run keys; a missing key or value is passed
// over silently.
void unregisterUpdaterAtStartup(Registry& registry);

} // namespace lv
