#pragma once
// A wave device that plays nothing: it keeps the device's state (not ready,
// stopped, playing, paused, position) and records every call in order.
// Opening a file missing from the fake file system fails with the
// multimedia system's text; the test can make any open fail.
#include "fakes/FakeFileSystem.h"
#include "platform/SoundPlayer.h"

#include <map>
#include <string>
#include <vector>

namespace lv::fakes {

class FakeSoundPlayer : public SoundPlayer {
public:
    // Without a file system every open finds its file.
    explicit FakeSoundPlayer(FakeFileSystem* files = nullptr) : files_(files) {}

    void open(const std::string& path) override;
    void close() override;
    bool isOpen() override { return open_; }
    void play() override;
    void pause() override;
    bool resume() override;
    void stop() override;
    void rewind() override;
    PlayerMode mode() override;
    long position() override { return open_ ? currentPosition : 0; }
    long length() override { return open_ ? fileLength : 0; }

    // The device reaches the end of the file on its own.
    void finishPlaying();

    std::vector<std::string> calls; // "open <path>", "close", "play", ...
    std::string openedPath;
    std::map<std::string, std::string> openErrors; // path -> error text
    bool resumeWorks = true;
    long fileLength = 1000;
    long currentPosition = 0;

private:
    FakeFileSystem* files_;
    bool open_ = false;
    PlayerMode mode_ = PlayerMode::NotReady;
};

} // namespace lv::fakes
