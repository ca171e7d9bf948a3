#pragma once
// The system's startup and shutdown logo files and the copies the Control
// Center keeps of them in its program directory.
#include "platform/FileSystem.h"
#include "platform/UserDialogs.h"

#include <string>

namespace lv {

struct LogoPaths {
    std::string startupLogo;   // "c:\logo.sys" on the drive that holds Windows
    std::string shutdownLogo1; // <Windows>\logow.sys
    std::string shutdownLogo2; // <Windows>\logos.sys
    std::string startupBackup; // <program>\logo.bak
    std::string shutdownBackup1;
    std::string shutdownBackup2;
};

LogoPaths makeLogoPaths(const std::string& windowsDirectory, const std::string& programDirectory);

// On the first run only (no backup exists yet): copies each logo file that
// exists to its backup. The startup logo is made writable for the copy and
// hidden again afterwards.
void backUpLogosOnFirstRun(FileSystem& files, const LogoPaths& paths);

constexpr const char* RestoreLogosQuestion = "Restore all Windows Logos?";

// "Restore Logos" (BitBtn7Click), after the user's Yes: each backup is put
// back over its logo file. Without a startup backup the system had no startup
// logo of its own, so the startup logo file is removed. The backups stay.
void restoreLogos(FileSystem& files, UserDialogs& dialogs, const LogoPaths& paths);

} // namespace lv
