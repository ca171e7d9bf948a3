#include "updater/ControlCenterWait.h"

namespace lv {

ControlCenterWait::Verdict ControlCenterWait::check()
{
    const std::int64_t now = clock_.now();
    if (!firstCheck_)
        firstCheck_ = now;
    if (!windows_.find(ControlCenterWindowClass, ControlCenterWindowTitle))
        return Verdict::Go;
    // A clock set back while waiting must not make the wait endless.
    if (now < *firstCheck_)
        firstCheck_ = now;
    return now - *firstCheck_ >= ControlCenterWaitMs ? Verdict::GiveUp : Verdict::Wait;
}

} // namespace lv
