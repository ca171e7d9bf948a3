#pragma once
// The Win32 adapter of every port, owned together and handed out as the
// program's Platform.
#include "platform/Platform.h"
#include "platform/win32/Win32ActiveDesktop.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileFile.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SoundPlayer.h"
#include "platform/win32/Win32SystemParameters.h"
#include "platform/win32/Win32TopLevelWindows.h"
#include "platform/win32/Win32UserDialogs.h"

namespace lv::win32 {

struct Win32Platform {
    Win32Registry registry;
    Win32ProfileFile profile;
    Win32FileSystem files;
    Win32Shell shell;
    Win32SystemParameters system;
    Win32Screen screen;
    Win32ActiveDesktopService activeDesktop;
    Win32SoundPlayer sound;
    Win32TopLevelWindows windows;
    Win32UserDialogs dialogs;
    Win32Ui ui;

    Platform platform()
    {
        return Platform{registry, profile, files, shell, system, screen, activeDesktop, sound, windows, dialogs, ui};
    }
};

} // namespace lv::win32
