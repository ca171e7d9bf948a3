#pragma once
// The backup copy "lumivanetemp.ini": the configuration file as it was when
// the Control Center started, which "Exit Without Saving" puts back.
#include "platform/FileSystem.h"

#include <string>

namespace lv {

class ConfigBackup {
public:
    ConfigBackup(FileSystem& files, std::string configPath, std::string backupPath);

    // At start-up: copies the configuration file over the backup copy. When
    // that copy fails, an older backup copy is deleted, so that Quit can
    // never put back the state of an earlier run.
    void takeAtStartup();
    // Save and Exit: the backup copy is no longer needed.
    void discard();
    // Quit: puts the backup copy back over the configuration file and
    // deletes it. When the copy back fails the backup copy stays on disk and
    // an Error says where it is.
    void restore();

private:
    FileSystem& files_;
    std::string configPath_;
    std::string backupPath_;
};

} // namespace lv
