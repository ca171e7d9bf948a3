#pragma once
// Wave playback through the multimedia system's device for one file at a time.
#include <string>

namespace lv {

enum class PlayerMode { NotReady, Stopped, Playing, Paused, Other };

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Opens a device for the file (closing one still open first). Throws
    // Error with the multimedia system's error text; the file is then not open.
    virtual void open(const std::string& path) = 0;
    virtual void close() = 0;
    virtual bool isOpen() = 0;
    // Plays from the current position with notification; runs on its own.
    virtual void play() = 0;
    virtual void pause() = 0;
    // False when the device cannot resume (the caller then plays instead).
    virtual bool resume() = 0;
    virtual void stop() = 0;
    // Seeks to the start and waits until the device is there.
    virtual void rewind() = 0;
    virtual PlayerMode mode() = 0;
    virtual long position() = 0;
    virtual long length() = 0;
};

} // namespace lv
