#include "fakes/FakeSoundPlayer.h"

#include "base/Error.h"

namespace lv::fakes {

void FakeSoundPlayer::open(const std::string& path)
{
    if (open_) close();
    calls.push_back("open " + path);
    if (const auto it = openErrors.find(path); it != openErrors.end()) throw Error(it->second);
    if (files_ && !files_->fileExists(path))
        throw Error("Cannot find the specified file. Make sure the path and filename are correct.");
    open_ = true;
    openedPath = path;
    currentPosition = 0;
    mode_ = PlayerMode::Stopped;
}

void FakeSoundPlayer::close()
{
    calls.push_back("close");
    open_ = false;
    openedPath.clear();
    mode_ = PlayerMode::NotReady;
}

void FakeSoundPlayer::play()
{
    calls.push_back("play");
    if (open_) mode_ = PlayerMode::Playing;
}

void FakeSoundPlayer::pause()
{
    calls.push_back("pause");
    if (open_ && mode_ == PlayerMode::Playing) mode_ = PlayerMode::Paused;
}

bool FakeSoundPlayer::resume()
{
    calls.push_back("resume");
    if (!open_ || !resumeWorks) return false;
    if (mode_ == PlayerMode::Paused) mode_ = PlayerMode::Playing;
    return true;
}

void FakeSoundPlayer::stop()
{
    calls.push_back("stop");
    if (open_) mode_ = PlayerMode::Stopped;
}

void FakeSoundPlayer::rewind()
{
    calls.push_back("rewind");
    if (open_) currentPosition = 0;
}

PlayerMode FakeSoundPlayer::mode()
{
    return open_ ? mode_ : PlayerMode::NotReady;
}

void FakeSoundPlayer::finishPlaying()
{
    if (!open_) return;
    currentPosition = fileLength;
    mode_ = PlayerMode::Stopped;
}

} // namespace lv::fakes
