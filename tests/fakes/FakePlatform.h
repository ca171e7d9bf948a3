#pragma once
// One fake of every port, wired together (the profile reads the fake file
// system, the sound player finds its files there), handed out as a Platform:
//   lv::fakes::FakePlatform fx; doSomething(fx.platform());
#include "fakes/FakeActiveDesktop.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeProfileFile.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSoundPlayer.h"
#include "fakes/FakeSystemParameters.h"
#include "fakes/FakeTopLevelWindows.h"
#include "fakes/FakeUserDialogs.h"
#include "platform/Platform.h"

namespace lv::fakes {

struct FakePlatform {
    FakeRegistry registry;
    FakeFileSystem files;
    FakeProfileFile profile{files};
    FakeShell shell;
    FakeSystemParameters system;
    FakeScreen screen;
    FakeActiveDesktopService activeDesktop;
    FakeSoundPlayer sound{&files};
    FakeTopLevelWindows windows;
    FakeUserDialogs dialogs;
    FakeUi ui;

    Platform platform();
};

} // namespace lv::fakes
