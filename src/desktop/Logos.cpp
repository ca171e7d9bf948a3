#include "desktop/Logos.h"

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

void backUpLogosOnFirstRun(FileSystem& files, const LogoPaths& p)
{
    // Once any backup exists this never runs again: a logo missing on the
    // first run is never backed up later, which Restore relies on.
    if (files.fileExists(p.startupBackup) || files.fileExists(p.shutdownBackup1) ||
        files.fileExists(p.shutdownBackup2))
        return;
    if (files.fileExists(p.startupLogo)) {
        UnprotectFile(files, p.startupLogo);
        files.copyFile(p.startupLogo, p.startupBackup);
        HideFile(files, p.startupLogo);
    }
    if (files.fileExists(p.shutdownLogo1))
        files.copyFile(p.shutdownLogo1, p.shutdownBackup1);
    if (files.fileExists(p.shutdownLogo2))
        files.copyFile(p.shutdownLogo2, p.shutdownBackup2);
}

void restoreLogos(FileSystem& files, UserDialogs& dialogs, const LogoPaths& p)
{
    if (!dialogs.confirm(RestoreLogosQuestion))
        return;
    // Copy and delete results are not reported: each logo is restored on its
    // own, and Restore can simply be run again.
    if (files.fileExists(p.startupBackup)) {
        UnprotectFile(files, p.startupLogo);
        files.copyFile(p.startupBackup, p.startupLogo);
        HideFile(files, p.startupLogo);
    } else if (files.fileExists(p.startupLogo)) {
        UnprotectFile(files, p.startupLogo);
        files.deleteFile(p.startupLogo);
    }
    if (files.fileExists(p.shutdownBackup1))
        CopyOverFile(files, p.shutdownBackup1, p.shutdownLogo1);
    if (files.fileExists(p.shutdownBackup2))
        CopyOverFile(files, p.shutdownBackup2, p.shutdownLogo2);
}

} // namespace lv
