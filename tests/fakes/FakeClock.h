#pragma once
// A clock the test moves by hand.
#include "platform/Clock.h"

#include <cstdio>

namespace lv::fakes {

class FakeClock : public Clock {
public:
    std::int64_t now() override { return milliseconds; }
    std::string timestamp() override
    {
        char text[32];
        std::snprintf(text, sizeof text, "T+%lld", static_cast<long long>(milliseconds / 1000));
        return text;
    }
    void advanceMinutes(double minutes) { milliseconds += static_cast<std::int64_t>(minutes * 60000); }

    std::int64_t milliseconds = 1'000'000'000;
};

} // namespace lv::fakes
