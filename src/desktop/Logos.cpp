#include "desktop/Logos.h"

#include "imaging/LogoImage.h"
#include "base/Text.h"
#include "base/Error.h"
#include "platform/FileProtection.h"

namespace lv {

LogoPaths makeLogoPaths(const std::string& windowsDirectory, const std::string& programDirectory)
{
    LogoPaths p;
    p.startupLogo = "c:\\logo.sys";
    if (!windowsDirectory.empty())
        p.startupLogo[0] = windowsDirectory[0];
    p.shutdownLogo1 = windowsDirectory + "\\logow.sys";
    p.shutdownLogo2 = windowsDirectory + "\\logos.sys";
    p.startupBackup = programDirectory + "logo.bak";
    p.shutdownBackup1 = programDirectory + "logow.bak";
    p.shutdownBackup2 = programDirectory + "logos.bak";
    return p;
}

namespace {

// A logo the system did not have on the first run is recorded by an empty
// backup, so that the record outlives that run and Restore knows to remove
// what was put there later.
void backUpLogo(FileSystem& files, const std::string& logo, const std::string& backup)
{
    if (files.fileExists(logo))
        files.copyFile(logo, backup);
    else
        files.writeFile(backup, {});
}

bool recordsMissingLogo(FileSystem& files, const std::string& backup)
{
    const auto start = files.readFileStart(backup, 1);
    return start && start->empty();
}

// Puts one logo back as the first run found it: its copy, or no file at all.
void restoreLogo(FileSystem& files, const std::string& backup, const std::string& logo)
{
    if (recordsMissingLogo(files, backup)) {
        UnprotectFile(files, logo);
        files.deleteFile(logo);
    } else {
        CopyOverFile(files, backup, logo);
    }
}

} // namespace

void backUpLogosOnFirstRun(FileSystem& files, const LogoPaths& p)
{
    // Once any backup exists this never runs again: the backups are those of
    // the system as the first run found it, never of a logo put there since.
    if (files.fileExists(p.startupBackup) || files.fileExists(p.shutdownBackup1) ||
        files.fileExists(p.shutdownBackup2))
        return;
    const bool startup = files.fileExists(p.startupLogo);
    if (startup)
        UnprotectFile(files, p.startupLogo);
    backUpLogo(files, p.startupLogo, p.startupBackup);
    if (startup)
        HideFile(files, p.startupLogo);
    backUpLogo(files, p.shutdownLogo1, p.shutdownBackup1);
    backUpLogo(files, p.shutdownLogo2, p.shutdownBackup2);
}

std::string logoFileOf(const LogoPaths& paths, const std::string& item)
{
    if (item == StartupLogoItem)
        return paths.startupLogo;
    if (item == ShutdownLogo1Item)
        return paths.shutdownLogo1;
    if (item == ShutdownLogo2Item)
        return paths.shutdownLogo2;
    return {};
}

std::vector<std::uint8_t> makeLogoFile(const imaging::ImageConversion& conversion, const std::string& file)
{
    if (upperExtension(file) != ".SYS")
        return imaging::MakeLogoBitmapFile(imaging::DecodePictureFile(conversion, file));
    auto bytes = conversion.files.readFile(file);
    if (!bytes)
        throw Error(formatMessage("Cannot open file %s", file));
    return std::move(*bytes);
}

void installLogo(FileSystem& files, const LogoPaths& paths, const std::string& item,
                 const std::vector<std::uint8_t>& logo)
{
    const std::string target = logoFileOf(paths, item);
    const bool startup = item == StartupLogoItem;
    if (startup)
        UnprotectFile(files, target);
    const bool written = files.writeFile(target, logo);
    if (startup)
        HideFile(files, target);
    if (!written)
        throw WriteRefused(formatMessage("Cannot create file %s", target));
}

void restoreLogos(FileSystem& files, UserDialogs& dialogs, const LogoPaths& p)
{
    if (!dialogs.confirm(RestoreLogosQuestion))
        return;
    // Copy and delete results are not reported: each logo is restored on its
    // own, and Restore can simply be run again.
    if (files.fileExists(p.startupBackup)) {
        if (recordsMissingLogo(files, p.startupBackup)) {
            restoreLogo(files, p.startupBackup, p.startupLogo);
        } else {
            UnprotectFile(files, p.startupLogo);
            files.copyFile(p.startupBackup, p.startupLogo);
            HideFile(files, p.startupLogo);
        }
    } else if (files.fileExists(p.startupLogo)) {
        UnprotectFile(files, p.startupLogo);
        files.deleteFile(p.startupLogo);
    }
    if (files.fileExists(p.shutdownBackup1))
        restoreLogo(files, p.shutdownBackup1, p.shutdownLogo1);
    if (files.fileExists(p.shutdownBackup2))
        restoreLogo(files, p.shutdownBackup2, p.shutdownLogo2);
}

} // namespace lv
