#include "desktop/ActDesk.h"

namespace lv {

bool ActiveDesktopAvailable(ActiveDesktopService& service)
{
    return service.create() != nullptr;
}

} // namespace lv
