#pragma once
// Save and Exit starts the Updater a moment before the Control Center's
// window goes; the configuration file is the Control Center's until then.
#include "base/ProgramIdentities.h"
#include "platform/Clock.h"
#include "platform/TopLevelWindows.h"

#include <cstdint>
#include <optional>

namespace lv {

constexpr const char* ControlCenterWindowClass = ControlCenterIdentity.windowClass;
constexpr const char* ControlCenterWindowTitle = ControlCenterIdentity.title;
constexpr std::int64_t ControlCenterWaitMs = 30'000;

class ControlCenterWait {
public:
    enum class Verdict { Go, Wait, GiveUp };

    ControlCenterWait(TopLevelWindows& windows, Clock& clock) : windows_(windows), clock_(clock) {}

    // Go once no Control Center window is left; Wait while one is, for up to
    // 30 seconds from the first check; GiveUp after that.
    Verdict check();

private:
    TopLevelWindows& windows_;
    Clock& clock_;
    std::optional<std::int64_t> firstCheck_;
};

} // namespace lv
