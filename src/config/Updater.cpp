#include "config/Updater.h"

namespace lv {

WindowHandle findRunningUpdater(TopLevelWindows& windows)
{
    return windows.find(UpdaterWindowClass, UpdaterWindowTitle);
}

void closeUpdater(TopLevelWindows& windows, WindowHandle updater)
{
    windows.close(updater);
}

void startUpdater(Shell& shell, const std::string& programDirectory)
{
    shell.shellExecute("", programDirectory + UpdaterProgram, "", "", ShowNormal);
}

void registerUpdaterAtStartup(Registry& registry, const std::string& programDirectory)
{
    auto key = registry.openKey(RegistryRoot::LocalMachine, RunKey, KeyAccess::ReadWrite);
    if (key)
        key->writeString(RunValueName, programDirectory + UpdaterProgram);
}

void unregisterUpdaterAtStartup(Registry& registry)
{
    auto key = registry.openKey(RegistryRoot::LocalMachine, RunKey, KeyAccess::ReadWrite);
    if (key)
        key->deleteValue(RunValueName);
}

} // namespace lv
