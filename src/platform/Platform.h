#pragma once
// Every operating-system service the program's logic uses, handed to it as
// one bundle: the Win32 adapters in the program, fakes in the tests.
#include "platform/ActiveDesktop.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemParameters.h"
#include "platform/UserDialogs.h"
#include "platform/TopLevelWindows.h"

namespace lv {

struct Platform {
    Registry& registry;
    ProfileFile& profile;
    FileSystem& files;
    Shell& shell;
    SystemParameters& system;
    Screen& screen;
    ActiveDesktopService& activeDesktop;
    SoundPlayer& sound;
    TopLevelWindows& windows;
    UserDialogs& dialogs;
    Ui& ui;
};

} // namespace lv
