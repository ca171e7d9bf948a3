#pragma once
// The Updater's run: the options it follows, the changes at start-up, on
// schedule and on the tray menu's commands, and what it tells the user
// about them (tray tip and log).
#include "base/ProgramIdentities.h"
#include "config/ConfigFile.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "updater/DesktopChanges.h"
#include "updater/ItemCycling.h"
#include "updater/RememberingProfile.h"
#include "updater/Schedule.h"
#include "updater/UpdaterLog.h"
#include "updater/WriteGate.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lv {

constexpr const char* UpdaterTitle = UpdaterIdentity.title;
// What the oldest notification areas show of a tip.
constexpr std::size_t TrayTipLimit = 63;

struct UpdaterPorts {
    Platform platform;
    Clock& clock;
    RandomSource& random;
    bool ntFamily; // Windows NT, 2000, XP and later keep the screen saver in the registry too
};

// The tip's line while the configuration file cannot be written.
constexpr const char* SettingsNotSavedTip = "Settings cannot be saved";

// "Lumivane 3 Updater", then the warning that settings are not saved (when
// they are not), then what was changed last, cut to what a tip holds.
std::string trayTipText(const std::string& lastChange, bool settingsNotSaved = false);

class UpdaterRun {
public:
    explicit UpdaterRun(const UpdaterPorts& ports);

    // Reads the options and the schedule. False when cycling is off: the
    // Updater then ends without changing anything.
    bool begin();

    // WM_CLOSE: nothing is written from now on. A change under way (one that
    // let the message in through a call that dispatches sent messages) stops
    // at its next write.
    void close() { gate_.close(); }

    // Every item that takes part changes once, cycler by cycler (start-up
    // and "Change All Now").
    void changeAll();
    // "Next Wallpaper".
    void nextWallpaper();
    // A timer or a wake-up: each cycler whose interval has passed changes once.
    void onClock();
    // A screen saver change that waits for the running screen saver to stop.
    void retryWaitingChange();

    // Milliseconds until onClock has something to do; nullopt for never.
    std::optional<std::int64_t> untilNextChange() const;
    // A failure outside any change (the window's error boundary): logged,
    // since the Updater never shows a message box.
    void reportFailure(const std::string& message) { tell(message, message); }

    bool changeWaiting() const { return screenSaverWaiting_; }
    bool showsTrayIcon() const { return options_.alwaystray; }
    std::string trayTip() const { return trayTipText(lastChange_, settings_.refused()); }

private:
    template <class Change>
    void guarded(Change&& change);
    void changeCycler(Cycler cycler);
    void changeItem(const std::string& item);
    std::vector<std::string> itemsOf(Cycler cycler);
    void tell(const std::string& summary, const std::string& logLine);
    void settingsRefused(const WriteRefused& refusal);

    UpdaterPorts ports_;
    WriteGate gate_;
    GatedPorts gated_;
    RememberingProfile settings_;
    Platform platform_; // the gated ports, the configuration file remembered
    UpdaterPaths paths_;
    ConfigFile config_;
    DesktopChanges changes_;
    UpdaterLog log_;
    MasterOptions options_;
    std::optional<Schedule> schedule_;
    std::vector<std::string> soundEvents_;
    bool screenSaverWaiting_ = false;
    std::string lastChange_;
    // The reason each item could not change, logged once until it changes.
    std::map<std::string, std::string> notChanged_;
};

} // namespace lv
