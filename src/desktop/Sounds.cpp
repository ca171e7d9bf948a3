#include "desktop/Sounds.h"

#include "config/SoundCatalogue.h"
#include "desktop/DesktopContext.h"
#include "base/Error.h"

namespace lv {

void WavePlayer::ready(FileSystem& files, int category, const std::optional<std::string>& focusedEntry)
{
    if (category != CategorySounds || !focusedEntry || !files.fileExists(*focusedEntry))
        return;
    // The name is kept even when the open fails, so the buttons then say why
    // nothing plays instead of doing nothing.
    fileName_ = *focusedEntry;
    device_.open(fileName_);
}

bool WavePlayer::deviceReady()
{
    if (fileName_.empty())
        return false;
    if (!device_.isOpen())
        throw Error(NoDeviceOpenMessage);
    return true;
}

void WavePlayer::play()
{
    if (!deviceReady())
        return;
    if (device_.position() >= device_.length())
        device_.rewind();
    device_.play();
}

void WavePlayer::pauseOrResume()
{
    if (!deviceReady())
        return;
    switch (device_.mode()) {
    case PlayerMode::Playing:
        device_.pause();
        break;
    case PlayerMode::Paused:
        if (!device_.resume())
            device_.play();
        break;
    default:
        break;
    }
}

void WavePlayer::stop()
{
    if (!deviceReady())
        return;
    device_.stop();
    device_.rewind();
}

void WavePlayer::close()
{
    device_.close();
}

std::string soundEventKey(const std::string& technicalName, const std::string& subkey)
{
    return std::string(SoundAppsKey) + "\\" + technicalName + "\\" + subkey;
}

bool setEventSound(Registry& registry, const std::string& technicalName, const std::string& file)
{
    const std::string path = soundEventKey(technicalName, ".Current");
    const auto key = registry.openKey(RegistryRoot::CurrentUser, path, KeyAccess::ReadWrite);
    if (!key) {
        if (registry.openKey(RegistryRoot::CurrentUser, path))
            throw WriteRefused("Cannot write HKEY_CURRENT_USER" + path, "access is denied");
        return false;
    }
    key->writeString("", file);
    return true;
}

void restoreSounds(Registry& registry, UserDialogs& dialogs, const std::vector<std::string>& technicalNames)
{
    if (!dialogs.confirm(RestoreSoundsQuestion))
        return;
    for (const std::string& name : technicalNames) {
        std::string defaultSound;
        {
            const auto defaultKey = registry.openKey(RegistryRoot::CurrentUser, soundEventKey(name, ".Default"));
            // An event without a default keeps whatever sound it has now.
            if (!defaultKey)
                continue;
            defaultSound = defaultKey->readString("");
        }
        const auto currentKey =
            registry.openKey(RegistryRoot::CurrentUser, soundEventKey(name, ".Current"), KeyAccess::ReadWrite);
        if (!currentKey)
            throw Error(formatMessage("Failed to set data for '%s'", ""));
        currentKey->writeString("", defaultSound);
    }
}

} // namespace lv
