#pragma once
// The system's startup and shutdown logo files and the copies the Control
// Center keeps of them in its program directory.
#include "config/ConfigSchema.h"
#include "imaging/ConvertImage.h"
#include "platform/FileSystem.h"
#include "platform/UserDialogs.h"

#include <cstdint>
#include <string>
#include <vector>

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
// exists to its backup, and writes an empty backup for each that does not.
// The startup logo is made writable for the copy and hidden again afterwards.
void backUpLogosOnFirstRun(FileSystem& files, const LogoPaths& paths);


// The system file a logo item replaces; empty for any other item.
std::string logoFileOf(const LogoPaths& paths, const std::string& item);

// The logo file made of a picture: a ready-made logo file (".SYS") as it is,
// any other picture converted to the logo format. Reading and decoding
// errors propagate with their messages.
std::vector<std::uint8_t> makeLogoFile(const imaging::ImageConversion& conversion, const std::string& file);

// Writes the logo file of the item. The startup logo is made writable first
// and hidden afterwards. Throws "Cannot create file <path>" when it cannot
// be written.
void installLogo(FileSystem& files, const LogoPaths& paths, const std::string& item,
                 const std::vector<std::uint8_t>& logo);

constexpr const char* RestoreLogosQuestion = "Restore all Windows Logos?";

// "Restore Logos" (BitBtn7Click), after the user's Yes: each backup is put
// back over its logo file; an empty backup means the system had no such logo,
// so the logo file is removed. Without a startup backup the system had no
// startup logo of its own either. The backups stay.
void restoreLogos(FileSystem& files, UserDialogs& dialogs, const LogoPaths& paths);

} // namespace lv
