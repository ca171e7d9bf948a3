#include "fakes/FakePlatform.h"

namespace lv::fakes {

Platform FakePlatform::platform()
{
    return Platform{registry, profile, files, shell, system, screen, activeDesktop, sound, windows, dialogs, ui};
}

} // namespace lv::fakes
