#include "updater/Schedule.h"

#include <algorithm>

namespace lv {

namespace {

std::size_t indexOf(Cycler cycler)
{
    return static_cast<std::size_t>(cycler);
}

} // namespace

CyclerSchedules readSchedule(ConfigFile& config)
{
    CyclerSchedules cyclers{};
    for (std::size_t i = 0; i < CyclerTable.size(); ++i) {
        const int choice = config.readInteger(SchedulerSection, CyclerTable[i].choiceKey, 0);
        const int minutes = config.readInteger(SchedulerSection, CyclerTable[i].intervalKey, 0);
        cyclers[i].repeats = choice == 1 && minutes > 0;
        cyclers[i].intervalMs = cyclers[i].repeats ? std::int64_t{minutes} * 60'000 : 0;
    }
    return cyclers;
}

Schedule::Schedule(const CyclerSchedules& cyclers, std::int64_t startedAt) : cyclers_(cyclers)
{
    lastChange_.fill(startedAt);
}

std::vector<Cycler> Schedule::due(std::int64_t now)
{
    std::vector<Cycler> result;
    for (Cycler cycler : AllCyclers) {
        const std::size_t i = indexOf(cycler);
        if (!cyclers_[i].repeats)
            continue;
        if (now < lastChange_[i])
            lastChange_[i] = now;
        if (now - lastChange_[i] >= cyclers_[i].intervalMs)
            result.push_back(cycler);
    }
    return result;
}

void Schedule::changed(Cycler cycler, std::int64_t now)
{
    lastChange_[indexOf(cycler)] = now;
}

std::optional<std::int64_t> Schedule::untilNextDue(std::int64_t now) const
{
    std::optional<std::int64_t> soonest;
    for (std::size_t i = 0; i < cyclers_.size(); ++i) {
        if (!cyclers_[i].repeats)
            continue;
        // A clock set back never stretches the wait beyond one interval.
        const std::int64_t left = std::clamp<std::int64_t>(lastChange_[i] + cyclers_[i].intervalMs - now, 0,
                                                           cyclers_[i].intervalMs);
        if (!soonest || left < *soonest)
            soonest = left;
    }
    return soonest;
}

} // namespace lv
