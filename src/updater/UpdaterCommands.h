#pragma once
// The Updater's commands: its tray menu's items, in menu order, also
// reachable as WM_COMMAND messages to its window when there is no tray icon.
// The menu and the command handling both come from this table.
#include "base/ProgramIdentities.h"

#include <array>

namespace lv {

enum class UpdaterAction { ChangeAllNow, NextWallpaper, OpenControlCenter, Exit };

struct UpdaterCommand {
    int id;
    const char* text;
    UpdaterAction action;
    bool separatorBefore;
};

constexpr std::array<UpdaterCommand, 4> UpdaterCommands{{
    {101, "Change All Now", UpdaterAction::ChangeAllNow, false},
    {102, "Next Wallpaper", UpdaterAction::NextWallpaper, false},
    {103, "Open Control Center", UpdaterAction::OpenControlCenter, false},
    {104, "Exit", UpdaterAction::Exit, true},
}};

// The command with this WM_COMMAND id; nullptr for none.
constexpr const UpdaterCommand* findUpdaterCommand(int id)
{
    for (const UpdaterCommand& command : UpdaterCommands)
        if (command.id == id)
            return &command;
    return nullptr;
}

constexpr const char* ControlCenterProgram = ControlCenterIdentity.file;

} // namespace lv
