#include "config/ConfigBackup.h"

#include "base/Error.h"
#include "platform/FileProtection.h"

#include <utility>

namespace lv {

ConfigBackup::ConfigBackup(FileSystem& files, std::string configPath, std::string backupPath)
    : files_(files), configPath_(std::move(configPath)), backupPath_(std::move(backupPath))
{
}

void ConfigBackup::takeAtStartup()
{
    if (!files_.fileExists(configPath_))
        return;
    if (!CopyOverFile(files_, configPath_, backupPath_) && files_.fileExists(backupPath_)) {
        UnprotectFile(files_, backupPath_);
        files_.deleteFile(backupPath_);
    }
}

void ConfigBackup::discard()
{
    if (files_.fileExists(backupPath_))
        files_.deleteFile(backupPath_);
}

void ConfigBackup::restore()
{
    if (!files_.fileExists(backupPath_))
        return;
    if (!CopyOverFile(files_, backupPath_, configPath_))
        throw Error("The settings could not be restored: " + configPath_ +
                    " could not be replaced. They are kept in " + backupPath_ + ".");
    files_.deleteFile(backupPath_);
}

} // namespace lv
