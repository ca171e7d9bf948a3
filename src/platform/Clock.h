#pragma once
// The time of day, for schedules that must hold across sleep and hibernation
// (a count of timer ticks stops while the computer sleeps; the clock does not).
#include <cstdint>
#include <string>

namespace lv {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds of the system's wall clock (UTC); it goes on while the
    // computer sleeps and may jump when the user sets the clock.
    virtual std::int64_t now() = 0;
    // The local time as "YYYY-MM-DD HH:MM:SS".
    virtual std::string timestamp() = 0;
};

} // namespace lv
