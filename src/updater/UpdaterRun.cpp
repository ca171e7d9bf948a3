#include "updater/UpdaterRun.h"

#include "base/Text.h"
#include "config/SoundCatalogue.h"

namespace lv {

std::string trayTipText(const std::string& lastChange, bool settingsNotSaved)
{
    std::string tip = UpdaterTitle;
    if (settingsNotSaved)
        tip += std::string("\n") + SettingsNotSavedTip;
    if (!lastChange.empty())
        tip += "\n" + lastChange;
    if (tip.size() > TrayTipLimit)
        tip = tip.substr(0, TrayTipLimit - 3) + "...";
    return tip;
}

namespace {

Platform withProfile(const Platform& platform, ProfileFile& profile)
{
    return Platform{platform.registry, profile,          platform.files,   platform.shell,
                    platform.system,   platform.screen,  platform.activeDesktop, platform.sound,
                    platform.windows,  platform.dialogs, platform.ui};
}

} // namespace

UpdaterRun::UpdaterRun(const UpdaterPorts& ports)
    : ports_(ports), gated_(ports.platform, gate_),
      settings_(gated_.platform().profile, ports.platform.files.programDirectory() + ConfigFileName,
                [this](const WriteRefused& refusal) { settingsRefused(refusal); }),
      platform_(withProfile(gated_.platform(), settings_)), paths_(makeUpdaterPaths(platform_.files)),
      config_(platform_.profile, paths_.desktop.configFile), changes_(platform_, paths_, ports.ntFamily),
      log_(platform_.files, ports.clock, paths_.desktop.programDirectory + UpdaterLogName)
{
}

template <class Change>
void UpdaterRun::guarded(Change&& change)
{
    try {
        change();
    } catch (const ChangeStopped&) {
        // WM_CLOSE came in the middle: what is written stays, nothing more is.
    }
}

bool UpdaterRun::begin()
{
    options_ = readMasterOptions(config_);
    if (!options_.enable)
        return false;
    schedule_.emplace(readSchedule(config_), ports_.clock.now());
    soundEvents_ = buildSoundCatalogue(ports_.platform.registry).technicalNames;
    return true;
}

void UpdaterRun::changeAll()
{
    guarded([&] {
        for (Cycler cycler : AllCyclers)
            changeCycler(cycler);
    });
}

void UpdaterRun::nextWallpaper()
{
    guarded([&] { changeCycler(Cycler::Wallpaper); });
}

void UpdaterRun::onClock()
{
    if (!schedule_)
        return;
    const std::int64_t now = ports_.clock.now();
    guarded([&] {
        for (Cycler cycler : schedule_->due(now))
            changeCycler(cycler);
    });
}

void UpdaterRun::retryWaitingChange()
{
    if (screenSaverWaiting_ && !ports_.platform.system.screenSaverRunning()) {
        screenSaverWaiting_ = false;
        guarded([&] { changeCycler(Cycler::ScreenSaver); });
    }
}

std::optional<std::int64_t> UpdaterRun::untilNextChange() const
{
    if (!schedule_)
        return std::nullopt;
    return schedule_->untilNextDue(ports_.clock.now());
}

std::vector<std::string> UpdaterRun::itemsOf(Cycler cycler)
{
    switch (cycler) {
    case Cycler::Wallpaper:
        return {WallpaperItem};
    case Cycler::ScreenSaver:
        return {ScreenSaverItem};
    case Cycler::Theme:
        return {DesktopThemeItem};
    case Cycler::Logos:
        return {StartupLogoItem, ShutdownLogo1Item, ShutdownLogo2Item};
    case Cycler::Sounds:
        return soundEvents_;
    }
    return {};
}

void UpdaterRun::changeCycler(Cycler cycler)
{
    if (schedule_)
        schedule_->changed(cycler, ports_.clock.now());
    if (cycler == Cycler::ScreenSaver && !options_.scrchange && ports_.platform.system.screenSaverRunning()) {
        // Changing it under the running screen saver would cut it short.
        screenSaverWaiting_ = true;
        return;
    }
    for (const std::string& item : itemsOf(cycler)) {
        gate_.check();
        changeItem(item);
    }
}

void UpdaterRun::changeItem(const std::string& item)
{
    const CycleOutcome outcome = cycleItem(config_, item, options_.deletenon, changes_, ports_.random);
    for (const auto& [file, reason] : outcome.failures) {
        const std::string removed = options_.deletenon ? " (removed from the list)" : "";
        tell(item + ": cannot use " + fileNameOnly(file), item + ": cannot use " + file + ": " + reason + removed);
    }
    switch (outcome.kind) {
    case CycleOutcome::Kind::Changed:
        notChanged_.erase(item);
        tell(item + ": " + fileNameOnly(outcome.file), item + ": " + outcome.file);
        break;
    case CycleOutcome::Kind::NoUsableFile:
        tell(item + ": no usable file", item + ": no file of the list can be used; left as it was");
        break;
    case CycleOutcome::Kind::Unavailable: {
        // Said once: a target the user may never write (the logos of an NT
        // system) would otherwise fill the log at every interval.
        auto [known, added] = notChanged_.try_emplace(item, outcome.reason);
        if (added || known->second != outcome.reason) {
            known->second = outcome.reason;
            tell(item + ": not changed", item + ": not changed: " + outcome.reason);
        }
        break;
    }
    case CycleOutcome::Kind::NotTakingPart:
        break;
    }
}

void UpdaterRun::settingsRefused(const WriteRefused& refusal)
{
    const std::string reason = refusal.reason().empty() ? "" : " (" + refusal.reason() + ")";
    log_.add(std::string(refusal.what()) + reason +
             ": the settings cannot be saved; the positions of the lists are kept until the Updater ends");
}

void UpdaterRun::tell(const std::string& summary, const std::string& logLine)
{
    lastChange_ = summary;
    log_.add(logLine);
}

} // namespace lv
