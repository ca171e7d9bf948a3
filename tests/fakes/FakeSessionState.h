#pragma once
// A session whose power and screen the test sets.
#include "platform/SessionState.h"

namespace lv::fakes {

class FakeSessionState : public SessionState {
public:
    bool onBattery() override { return battery; }
    bool fullScreenProgram() override { return fullScreen; }

    bool battery = false;
    bool fullScreen = false;
};

} // namespace lv::fakes
