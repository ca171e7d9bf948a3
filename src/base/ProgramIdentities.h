#pragma once
// The three programs as the system and the other programs see them: the
// window each finds the others by (class and title) and the file each is
// started from. The Updater's hidden window borrows the Control Center's
// class name, which is how the two have always told each other apart only
// by title.
namespace lv {

struct ProgramIdentity {
    const char* windowClass;
    const char* title;
    const char* file;
};

constexpr ProgramIdentity ControlCenterIdentity{"Tmainform", "Lumivane 3 Control Center", "lumivane3.exe"};
constexpr ProgramIdentity UpdaterIdentity{"Tmainform", "Lumivane 3 Updater", "updater3.exe"};
constexpr ProgramIdentity HelpIdentity{"Thelpform", "Lumivane 3 Help", "lumivane3help.exe"};

} // namespace lv
