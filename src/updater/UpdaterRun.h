#pragma once
// The Updater's run: the options it follows, the changes at start-up, on
// schedule and on the tray menu's commands, and what it tells the user
// about them (tray tip and log).
#include "base/ProgramIdentities.h"
#include "config/ConfigFile.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/SessionState.h"
#include "updater/DesktopChanges.h"
#include "updater/HotKeys.h"
#include "updater/ItemCycling.h"
#include "updater/RememberingProfile.h"
#include "updater/Schedule.h"
#include "updater/UpdaterCommands.h"
#include "updater/UpdaterLog.h"
#include "updater/WallpaperHistory.h"
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
    SessionState& session;
};

// How often a change held back by the battery or a full-screen program
// looks again: neither tells when it ends on every system.
constexpr std::int64_t HeldChangeRecheckMs = 30'000;

// A command's hot key, read from its "Master" key.
struct HotKeyBinding {
    const UpdaterCommand* command;
    std::string text;
    HotKey key;
};

// The tip's line while the configuration file cannot be written.
constexpr const char* SettingsNotSavedTip = "Settings cannot be saved";

// "Lumivane 3 Updater", then the wallpaper's file name, why changes wait
// (when they do), and the warning that settings are not saved (when they
// are not), cut to what a tip holds.
std::string trayTipText(const std::string& wallpaper, const std::string& pause = "",
                        bool settingsNotSaved = false);

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

    // The start-up change: changeAll, or, while changes are paused, owed
    // until the pause ends.
    void startChanges();
    // Every item that takes part changes once, cycler by cycler ("Change
    // All Now").
    void changeAll();
    // "Next Wallpaper": forward through the wallpapers Previous went back
    // over, then on with the list.
    void nextWallpaper();
    // "Previous Wallpaper": the wallpaper shown before this one, if any.
    void previousWallpaper();
    // "Remove This Picture": the wallpaper shown leaves the list (its file
    // stays), and the next one is shown.
    void removeThisPicture();
    // "Show This Picture": Explorer on its folder, the file selected.
    void showThisPicture();
    // The pause and the two conditions of the tray menu, stored at once.
    void toggle(UpdaterAction option);
    bool checked(UpdaterAction option) const;
    // A timer, a wake-up, a power change or the end of a pause: each cycler
    // whose interval has passed changes once, unless changes wait.
    void onClock();
    // A screen saver change that waits for the running screen saver to stop.
    void retryWaitingChange();

    // Milliseconds until onClock has something to do; nullopt for never.
    std::optional<std::int64_t> untilNextChange() const;
    // A failure outside any change (the window's error boundary): logged,
    // since the Updater never shows a message box.
    void reportFailure(const std::string& message) { log_.add(message); }

    bool changeWaiting() const { return screenSaverWaiting_; }
    bool showsTrayIcon() const { return options_.alwaystray; }
    std::string trayTip() const;
    // The file name of the wallpaper shown, "" when none is known.
    std::string wallpaperName() const;
    // The hot keys to register; text that is no hot key was logged.
    const std::vector<HotKeyBinding>& hotKeys() const { return hotKeys_; }

private:
    template <class Change>
    void guarded(Change&& change);
    void changeCycler(Cycler cycler);
    void changeItem(const std::string& item);
    std::vector<std::string> itemsOf(Cycler cycler);
    void settingsRefused(const WriteRefused& refusal);
    // Why scheduled changes wait now; "" when they do not.
    std::string pauseReason();
    ApplyStatus showFromHistory(const ShownWallpaper& wallpaper);
    void readHotKeys();

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
    UpdaterOptions updaterOptions_;
    WallpaperHistory history_;
    std::string currentWallpaper_;
    std::vector<HotKeyBinding> hotKeys_;
    bool startOwed_ = false;   // the start-up change waits for a pause to end
    std::string heldBy_;       // why the last due change waited ("" when none did)
    // The reason each item could not change, logged once until it changes.
    std::map<std::string, std::string> notChanged_;
};

} // namespace lv
