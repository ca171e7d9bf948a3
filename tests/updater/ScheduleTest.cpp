// When cyclers change again: intervals on the clock, and one catch-up after
// the computer slept through one or more intervals.
#include "config/ConfigFile.h"
#include "fakes/FakePlatform.h"
#include "updater/Schedule.h"

#include <gtest/gtest.h>

namespace {

using lv::Cycler;
constexpr std::int64_t Minute = 60'000;

TEST(ScheduleTest, OnlyChoiceOneWithAnIntervalRepeats)
{
    lv::fakes::FakePlatform fx;
    lv::ConfigFile config(fx.profile, "C:\\lumivane3.ini");
    const struct {
        const char *choice, *minutes;
        bool repeats;
    } cases[] = {{"1", "5", true}, {"0", "5", false}, {"1", "0", false}, {"1", "-3", false}, {"2", "5", false},
                 {"0x1", "0x1E", true}};
    for (const auto& c : cases) {
        config.writeString("scheduler", "paper", c.choice);
        config.writeString("scheduler", "papertime", c.minutes);
        const auto schedule = lv::readSchedule(config);
        EXPECT_EQ(schedule[0].repeats, c.repeats) << c.choice << " " << c.minutes;
        EXPECT_FALSE(schedule[1].repeats) << "missing keys read as 0";
    }
    EXPECT_EQ(lv::readSchedule(config)[0].intervalMs, 30 * Minute);
}

TEST(ScheduleTest, ACyclerIsDueOnceItsIntervalHasPassedAndOnlyOnceAfterSleep)
{
    std::array<lv::CyclerSchedule, 5> cyclers{};
    cyclers[0] = {true, 10 * Minute};
    cyclers[4] = {true, 3 * Minute};
    std::int64_t now = 0;
    lv::Schedule schedule(cyclers, now);
    EXPECT_EQ(schedule.untilNextDue(now), 3 * Minute);

    now += 3 * Minute - 1;
    EXPECT_TRUE(schedule.due(now).empty()) << "a timer that fires early changes nothing";
    now += 1;
    EXPECT_EQ(schedule.due(now), std::vector<Cycler>{Cycler::Sounds});
    schedule.changed(Cycler::Sounds, now);
    EXPECT_EQ(schedule.untilNextDue(now), 3 * Minute);

    now += 95 * Minute; // asleep through many intervals of both
    EXPECT_EQ(schedule.due(now), (std::vector<Cycler>{Cycler::Wallpaper, Cycler::Sounds}));
    schedule.changed(Cycler::Wallpaper, now);
    schedule.changed(Cycler::Sounds, now);
    EXPECT_TRUE(schedule.due(now).empty()) << "no second change for the missed intervals";
    EXPECT_EQ(schedule.untilNextDue(now), 3 * Minute);

    now -= 60 * Minute; // the clock set back
    EXPECT_LE(*schedule.untilNextDue(now), 3 * Minute);
    EXPECT_TRUE(schedule.due(now).empty());
    EXPECT_EQ(schedule.due(now + 3 * Minute), std::vector<Cycler>{Cycler::Sounds});
}

TEST(ScheduleTest, NothingRepeatingMeansNoTimer)
{
    lv::Schedule schedule({}, 0);
    EXPECT_FALSE(schedule.untilNextDue(0).has_value());
    EXPECT_TRUE(schedule.due(1'000 * Minute).empty());
}

} // namespace
