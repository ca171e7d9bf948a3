#pragma once
// The system's wall clock.
#include "platform/Clock.h"

namespace lv::win32 {

class Win32Clock : public Clock {
public:
    std::int64_t now() override;
    std::string timestamp() override;
};

} // namespace lv::win32
