#pragma once
// When each cycler changes its items again: at start-up only, or also every
// N minutes. Time is taken from the clock, so after the computer wakes up a
// cycler whose interval has passed changes once, not once per missed
// interval.
#include "config/ConfigFile.h"
#include "config/Cyclers.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace lv {

// The cyclers in the order the Updater changes them.
enum class Cycler { Wallpaper, ScreenSaver, Theme, Logos, Sounds };
constexpr std::array<Cycler, CyclerCount> AllCyclers = {Cycler::Wallpaper, Cycler::ScreenSaver, Cycler::Theme, Cycler::Logos,
                                              Cycler::Sounds};

struct CyclerSchedule {
    bool repeats = false; // choice 1 with an interval above 0
    std::int64_t intervalMs = 0;
};

using CyclerSchedules = std::array<CyclerSchedule, CyclerCount>;

// The "scheduler" section: choice key and interval key of each cycler.
CyclerSchedules readSchedule(ConfigFile& config);

class Schedule {
public:
    Schedule(const CyclerSchedules& cyclers, std::int64_t startedAt);

    // The repeating cyclers whose interval has passed since their last
    // change, in cycler order. A clock set back restarts their intervals.
    std::vector<Cycler> due(std::int64_t now);
    void changed(Cycler cycler, std::int64_t now);
    // Milliseconds until the first cycler is due (0 when one is due now);
    // nullopt when nothing repeats.
    std::optional<std::int64_t> untilNextDue(std::int64_t now) const;

private:
    CyclerSchedules cyclers_;
    std::array<std::int64_t, CyclerCount> lastChange_{};
};

} // namespace lv
