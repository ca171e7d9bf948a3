#include "platform/win32/Win32SoundPlayer.h"

#include "base/Error.h"

#include <windows.h>
#include <mmsystem.h>

namespace lv::win32 {

namespace {

std::string errorText(MCIERROR error)
{
    char text[256] = "";
    if (!mciGetErrorStringA(error, text, sizeof text)) return "MCI error " + std::to_string(error);
    return text;
}

MCIERROR send(MCIDEVICEID device, UINT message, DWORD_PTR flags, void* parameters)
{
    return mciSendCommandA(device, message, flags, reinterpret_cast<DWORD_PTR>(parameters));
}

} // namespace

Win32SoundPlayer::~Win32SoundPlayer()
{
    if (device_) close();
}

void Win32SoundPlayer::open(const std::string& path)
{
    if (device_) close();
    MCI_OPEN_PARMSA parameters{};
    parameters.lpstrElementName = path.c_str();
    if (const MCIERROR error = send(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, &parameters))
        throw Error(errorText(error));
    device_ = parameters.wDeviceID;
    MCI_SET_PARMS format{};
    format.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    send(device_, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, &format);
}

void Win32SoundPlayer::close()
{
    if (!device_) return;
    MCI_GENERIC_PARMS parameters{};
    send(device_, MCI_CLOSE, MCI_WAIT, &parameters);
    device_ = 0;
}

void Win32SoundPlayer::play()
{
    if (!device_) return;
    MCI_PLAY_PARMS parameters{};
    parameters.dwCallback = static_cast<DWORD_PTR>(notifyWindow_);
    send(device_, MCI_PLAY, notifyWindow_ ? MCI_NOTIFY : 0, &parameters);
}

void Win32SoundPlayer::pause()
{
    if (!device_) return;
    MCI_GENERIC_PARMS parameters{};
    send(device_, MCI_PAUSE, MCI_WAIT, &parameters);
}

bool Win32SoundPlayer::resume()
{
    if (!device_) return false;
    MCI_GENERIC_PARMS parameters{};
    return send(device_, MCI_RESUME, MCI_WAIT, &parameters) == 0;
}

void Win32SoundPlayer::stop()
{
    if (!device_) return;
    MCI_GENERIC_PARMS parameters{};
    send(device_, MCI_STOP, MCI_WAIT, &parameters);
}

void Win32SoundPlayer::rewind()
{
    if (!device_) return;
    MCI_SEEK_PARMS parameters{};
    send(device_, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &parameters);
}

unsigned long Win32SoundPlayer::status(unsigned long item)
{
    MCI_STATUS_PARMS parameters{};
    parameters.dwItem = item;
    if (send(device_, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &parameters)) return 0;
    return static_cast<unsigned long>(parameters.dwReturn);
}

PlayerMode Win32SoundPlayer::mode()
{
    if (!device_) return PlayerMode::NotReady;
    switch (status(MCI_STATUS_MODE)) {
    case MCI_MODE_NOT_READY: return PlayerMode::NotReady;
    case MCI_MODE_STOP: return PlayerMode::Stopped;
    case MCI_MODE_PLAY: return PlayerMode::Playing;
    case MCI_MODE_PAUSE: return PlayerMode::Paused;
    default: return PlayerMode::Other;
    }
}

long Win32SoundPlayer::position()
{
    return device_ ? static_cast<long>(status(MCI_STATUS_POSITION)) : 0;
}

long Win32SoundPlayer::length()
{
    return device_ ? static_cast<long>(status(MCI_STATUS_LENGTH)) : 0;
}

} // namespace lv::win32
