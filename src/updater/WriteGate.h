#pragma once
// The Updater's promise to the Control Center: once WM_CLOSE has been
// handled, nothing more is written. The gate stands in front of every port
// that writes (files, settings files, registry, system settings, the shell,
// Active Desktop); when it closes, every later write stops the change under
// way by throwing ChangeStopped. A call that dispatches messages sent to the
// thread (COM, ShellExecute) may close it in the middle of a change.
#include "platform/Platform.h"

#include <memory>

namespace lv {

// Not an Error: nothing that handles a failed change may catch it.
struct ChangeStopped {};

class WriteGate {
public:
    void close() { closed_ = true; }
    bool closed() const { return closed_; }
    // Throws ChangeStopped once closed.
    void check() const;

private:
    bool closed_ = false;
};

// The ports of `inner` behind the gate; reads pass straight through.
class GatedPorts {
public:
    GatedPorts(const Platform& inner, const WriteGate& gate);
    ~GatedPorts();
    GatedPorts(const GatedPorts&) = delete;
    GatedPorts& operator=(const GatedPorts&) = delete;

    Platform platform() const;

private:
    struct Ports;
    Platform inner_;
    std::unique_ptr<Ports> ports_;
};

} // namespace lv
