#pragma once
#include "platform/SoundPlayer.h"
#include "platform/TopLevelWindows.h"

namespace lv::win32 {

// One MCI device at a time, opened on the file (the device type chosen by
// the file's extension), positions in milliseconds.
class Win32SoundPlayer : public SoundPlayer {
public:
    ~Win32SoundPlayer() override;

    // The window that receives MM_MCINOTIFY when playing ends.
    void setNotifyWindow(WindowHandle window) { notifyWindow_ = window; }

    void open(const std::string& path) override;
    void close() override;
    bool isOpen() override { return device_ != 0; }
    void play() override;
    void pause() override;
    bool resume() override;
    void stop() override;
    void rewind() override;
    PlayerMode mode() override;
    long position() override;
    long length() override;

private:
    unsigned long status(unsigned long item);

    unsigned device_ = 0;
    WindowHandle notifyWindow_ = 0;
};

} // namespace lv::win32
