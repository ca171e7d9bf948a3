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

namespace {

std::unique_ptr<RegistryKey> openRunKey(Registry& registry, RegistryRoot root)
{
    return registry.openKey(root, RunKey, KeyAccess::ReadWrite);
}

// The machine's Run key is there but may not be written: a user without
// administrator rights on Windows since Vista.
bool runKeyRefused(Registry& registry, RegistryRoot root)
{
    return registry.openKey(root, RunKey, KeyAccess::Read) != nullptr;
}

} // namespace

void registerUpdaterAtStartup(Registry& registry, const std::string& programDirectory)
{
    const std::string command = programDirectory + UpdaterProgram;
    if (auto machine = openRunKey(registry, RegistryRoot::LocalMachine)) {
        machine->writeString(RunValueName, command);
        // One registration: a fallback left by an earlier run would start
        // the Updater twice.
        if (auto user = openRunKey(registry, RegistryRoot::CurrentUser))
            user->deleteValue(RunValueName);
        return;
    }
    if (!runKeyRefused(registry, RegistryRoot::LocalMachine))
        return;
    if (auto user = openRunKey(registry, RegistryRoot::CurrentUser))
        user->writeString(RunValueName, command);
}

void unregisterUpdaterAtStartup(Registry& registry)
{
    for (const RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser})
        if (auto key = openRunKey(registry, root))
            key->deleteValue(RunValueName);
}

} // namespace lv
