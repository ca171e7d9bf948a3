#pragma once
// When each cycler changes its items again: at start-up only, or also every
// N minutes. Time is taken from the clock, so after the computer wakes up a
// cycler whose interval has passed changes once, not once per missed
// interval.
#include "config/ConfigFile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace lv {

// The cyclers in the order the Updater changes them.
enum class Cycler { Wallpaper, ScreenSaver, Theme, Logos, Sounds };
constexpr std::array<Cycler, 5> AllCyclers = {Cycler::Wallpaper, Cycler::ScreenSaver, Cycler::Theme, Cycler::Logos,
                                              Cycler::Sounds};

struct CyclerSchedule {
    bool repeats = false; // choice 1 with an interval above 0
    std::int64_t intervalMs = 0;
};

// The "scheduler" section: choice key and interval key of each cycler.
std::array<CyclerSchedule, 5> readSchedule(ConfigFile& config);

class Schedule {
public:
    Schedule(const std::array<CyclerSchedule, 5>& cyclers, std::int64_t startedAt);

    // The repeating cyclers whose interval has passed since their last
    // change, in cycler order. A clock set back restarts their intervals.
    std::vector<Cycler> due(std::int64_t now);
    void changed(Cycler cycler, std::int64_t now);
    // Milliseconds until the first cycler is due (0 when one is due now);
    // nullopt when nothing repeats.
    std::optional<std::int64_t> untilNextDue(std::int64_t now) const;

private:
    std::array<CyclerSchedule, 5> cyclers_;
    std::array<std::int64_t, 5> lastChange_{};
};

} // namespace lv
