#pragma once
// The session's power and screen as Windows reports them.
#include "platform/SessionState.h"

namespace lv::win32 {

class Win32SessionState : public SessionState {
public:
    bool onBattery() override;
    bool fullScreenProgram() override;
};

} // namespace lv::win32
