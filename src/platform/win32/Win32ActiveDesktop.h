#pragma once
#include "platform/ActiveDesktop.h"

namespace lv::win32 {

class Win32ActiveDesktopService : public ActiveDesktopService {
public:
    std::unique_ptr<ActiveDesktop> create() override;
};

} // namespace lv::win32
