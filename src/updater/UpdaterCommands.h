#pragma once
// The Updater's commands: its tray menu's items, in menu order, also
// reachable as WM_COMMAND messages to its window when there is no tray icon.
// The menu and the command handling both come from this table.
#include "base/ProgramIdentities.h"
#include "config/ConfigSchema.h"

#include <array>

namespace lv {

enum class UpdaterAction {
    ChangeAllNow,
    NextWallpaper,
    PreviousWallpaper,
    RemoveThisPicture,
    ShowThisPicture,
    PauseChanges,
    PauseOnBattery,
    PauseForFullScreen,
    OpenControlCenter,
    Exit,
};

struct UpdaterCommand {
    int id;
    const char* text;
    UpdaterAction action;
    bool separatorBefore;
    // The text while the item is checked (nullptr: the same), for an item
    // that says what choosing it does.
    const char* checkedText = nullptr;
    // The "Master" key of its hot key (nullptr: none).
    const char* hotKeyKey = nullptr;
};

constexpr std::array<UpdaterCommand, 10> UpdaterCommands{{
    {101, "Change All Now", UpdaterAction::ChangeAllNow, false},
    {102, "Next Wallpaper", UpdaterAction::NextWallpaper, false, nullptr, HotKeyNextKey},
    {105, "Previous Wallpaper", UpdaterAction::PreviousWallpaper, false, nullptr, HotKeyPreviousKey},
    {107, "Remove This Picture", UpdaterAction::RemoveThisPicture, false},
    {108, "Show This Picture", UpdaterAction::ShowThisPicture, false},
    {106, "Pause Changes", UpdaterAction::PauseChanges, true, "Resume Changes"},
    {109, "Pause on Battery", UpdaterAction::PauseOnBattery, false},
    {110, "Pause for Full Screen", UpdaterAction::PauseForFullScreen, false},
    {103, "Open Control Center", UpdaterAction::OpenControlCenter, true},
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
