#pragma once
// Active Desktop: HTML and bitmap wallpapers through the shell's object.
#include "platform/ActiveDesktop.h"

namespace lv {

// True when the shell's Active Desktop object can be created; the object is
// released at once.
bool ActiveDesktopAvailable(ActiveDesktopService& service);

} // namespace lv
