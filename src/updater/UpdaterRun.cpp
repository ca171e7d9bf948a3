#include "updater/UpdaterRun.h"

#include "base/Text.h"
#include "config/SoundCatalogue.h"

namespace lv {

std::string trayTipText(const std::string& wallpaper, const std::string& pause, bool settingsNotSaved)
{
    std::string tail;
    for (const std::string& line : {pause, std::string(settingsNotSaved ? SettingsNotSavedTip : "")})
        if (!line.empty())
            tail += "\n" + line;
    std::string tip = UpdaterTitle;
    // A long file name gives way, so that "Paused" still shows.
    const std::size_t used = tip.size() + 1 + tail.size();
    const std::size_t room = used < TrayTipLimit ? TrayTipLimit - used : 0;
    if (!wallpaper.empty() && room > 3)
        tip += "\n" + (wallpaper.size() <= room ? wallpaper : wallpaper.substr(0, room - 3) + "...");
    tip += tail;
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
    updaterOptions_ = readUpdaterOptions(config_);
    schedule_.emplace(readSchedule(config_), ports_.clock.now());
    soundEvents_ = buildSoundCatalogue(ports_.platform.registry).technicalNames;
    // The wallpaper shown at start is the first one Previous can go back to.
    currentWallpaper_ = config_.readString(MasterSection, CurrentWallpaperKey, "");
    if (!currentWallpaper_.empty()) {
        const ItemSettings list = config_.readItem(WallpaperItem);
        const std::vector<std::string> modes = config_.readDisplayModes();
        int displayMode = 0;
        for (std::size_t i = 0; i < list.files.size() && i < modes.size(); ++i)
            if (list.files[i] == currentWallpaper_) {
                displayMode = parseProfileInteger(modes[i]).value_or(0);
                break;
            }
        history_.shown({currentWallpaper_, displayMode});
    }
    readHotKeys();
    return true;
}

void UpdaterRun::readHotKeys()
{
    for (const UpdaterCommand& command : UpdaterCommands) {
        if (!command.hotKeyKey)
            continue;
        for (const UpdaterTextKey& key : UpdaterTextKeys) {
            if (std::string(key.key) != command.hotKeyKey)
                continue;
            const std::string& text = updaterOptions_.*key.option;
            if (text.empty())
                continue;
            if (const auto hotKey = parseHotKey(text))
                hotKeys_.push_back({&command, text, *hotKey});
            else
                log_.add(std::string(command.text) + ": \"" + text + "\" in " + key.key + " is no hot key; none is used");
        }
    }
}

void UpdaterRun::startChanges()
{
    heldBy_ = pauseReason();
    if (heldBy_.empty())
        changeAll();
    else
        startOwed_ = true;
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
    guarded([&] {
        if (const auto later = history_.next()) {
            const ApplyStatus status = showFromHistory(*later);
            if (status == ApplyStatus::Applied)
                return;
            if (status == ApplyStatus::ItemUnavailable) {
                // Not the file's fault: it stays, and so does the place.
                history_.previous();
                return;
            }
            history_.forget(later->file);
        }
        changeCycler(Cycler::Wallpaper);
    });
}

void UpdaterRun::previousWallpaper()
{
    guarded([&] {
        if (const auto earlier = history_.previous(); earlier && showFromHistory(*earlier) != ApplyStatus::Applied)
            history_.next(); // not shown: the one shown stays the place in the history
    });
}

ApplyStatus UpdaterRun::showFromHistory(const ShownWallpaper& wallpaper)
{
    gate_.check();
    const ApplyResult result = changes_.apply(WallpaperItem, wallpaper.file, wallpaper.displayMode);
    switch (result.status) {
    case ApplyStatus::Applied:
        notChanged_.erase(WallpaperItem);
        currentWallpaper_ = wallpaper.file;
        log_.add(std::string(WallpaperItem) + ": " + wallpaper.file + " (again)");
        break;
    case ApplyStatus::FileUnusable:
        log_.add(std::string(WallpaperItem) + ": cannot use " + wallpaper.file + ": " + result.reason);
        break;
    case ApplyStatus::ItemUnavailable:
        log_.add(std::string(WallpaperItem) + ": not changed: " + result.reason);
        break;
    }
    return result.status;
}

void UpdaterRun::removeThisPicture()
{
    const std::string file = currentWallpaper_;
    if (file.empty())
        return;
    guarded([&] {
        gate_.check();
        if (!removeFromList(config_, WallpaperItem, file)) {
            log_.add(std::string(WallpaperItem) + ": " + file + " is not in the list; nothing removed");
            return;
        }
        log_.add(std::string(WallpaperItem) + ": " + file + " removed from the list (the file stays)");
        // The next one is the one Next Wallpaper would show: forward in the
        // history when Previous went back, else the list's next.
        std::optional<ShownWallpaper> forward = history_.next();
        while (forward && forward->file == file)
            forward = history_.next();
        history_.forget(file);
        if (forward) {
            const ApplyStatus status = showFromHistory(*forward);
            if (status != ApplyStatus::FileUnusable)
                return;
            history_.forget(forward->file);
        }
        changeCycler(Cycler::Wallpaper);
    });
}

void UpdaterRun::showThisPicture()
{
    const std::string& file = currentWallpaper_;
    if (file.empty())
        return;
    if (!platform_.files.fileExists(file)) {
        log_.add("Show This Picture: " + file + " is no longer there");
        return;
    }
    const std::intptr_t result =
        platform_.shell.shellExecute("", "explorer.exe", "/select,\"" + file + "\"", "", ShowNormal);
    if (result <= ShellSuccessAbove)
        log_.add("Show This Picture: Explorer did not start: " + shellExecuteFailure(result));
}

void UpdaterRun::toggle(UpdaterAction option)
{
    const char* key = nullptr;
    bool* value = nullptr;
    switch (option) {
    case UpdaterAction::PauseChanges:
        key = PausedKey;
        value = &updaterOptions_.paused;
        break;
    case UpdaterAction::PauseOnBattery:
        key = PauseOnBatteryKey;
        value = &updaterOptions_.pauseOnBattery;
        break;
    case UpdaterAction::PauseForFullScreen:
        key = PauseForFullScreenKey;
        value = &updaterOptions_.pauseForFullScreen;
        break;
    default:
        return;
    }
    *value = !*value;
    guarded([&] {
        gate_.check();
        config_.writeBool(MasterSection, key, *value);
    });
    // What fell due while paused happens now.
    onClock();
}

bool UpdaterRun::checked(UpdaterAction option) const
{
    switch (option) {
    case UpdaterAction::PauseChanges:
        return updaterOptions_.paused;
    case UpdaterAction::PauseOnBattery:
        return updaterOptions_.pauseOnBattery;
    case UpdaterAction::PauseForFullScreen:
        return updaterOptions_.pauseForFullScreen;
    default:
        return false;
    }
}

std::string UpdaterRun::pauseReason()
{
    if (updaterOptions_.paused)
        return "Paused";
    if (updaterOptions_.pauseOnBattery && ports_.session.onBattery())
        return "Paused on battery";
    if (updaterOptions_.pauseForFullScreen && ports_.session.fullScreenProgram())
        return "Paused for full screen";
    return "";
}

void UpdaterRun::onClock()
{
    if (!schedule_)
        return;
    const std::int64_t now = ports_.clock.now();
    const std::vector<Cycler> due = schedule_->due(now);
    if (due.empty() && !startOwed_) {
        heldBy_.clear();
        return;
    }
    // Held changes stay due: they happen once when the pause ends.
    heldBy_ = pauseReason();
    if (!heldBy_.empty())
        return;
    if (startOwed_) {
        startOwed_ = false;
        changeAll();
        return;
    }
    guarded([&] {
        for (Cycler cycler : due)
            changeCycler(cycler);
    });
}

std::string UpdaterRun::trayTip() const
{
    return trayTipText(wallpaperName(), updaterOptions_.paused ? "Paused" : heldBy_, settings_.refused());
}

std::string UpdaterRun::wallpaperName() const
{
    return currentWallpaper_.empty() ? "" : fileNameOnly(currentWallpaper_);
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
    // Resume Changes itself lets held changes happen.
    if (!schedule_ || updaterOptions_.paused)
        return std::nullopt;
    if (!heldBy_.empty())
        return HeldChangeRecheckMs;
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
        log_.add(item + ": cannot use " + file + ": " + reason + removed);
    }
    switch (outcome.kind) {
    case CycleOutcome::Kind::Changed:
        notChanged_.erase(item);
        if (item == WallpaperItem) {
            currentWallpaper_ = outcome.file;
            history_.shown({outcome.file, outcome.displayMode});
        }
        log_.add(item + ": " + outcome.file);
        break;
    case CycleOutcome::Kind::NoUsableFile:
        log_.add(item + ": no file of the list can be used; left as it was");
        break;
    case CycleOutcome::Kind::Unavailable: {
        // Said once: a target the user may never write (the logos of an NT
        // system) would otherwise fill the log at every interval.
        auto [known, added] = notChanged_.try_emplace(item, outcome.reason);
        if (added || known->second != outcome.reason) {
            known->second = outcome.reason;
            log_.add(item + ": not changed: " + outcome.reason);
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

} // namespace lv
