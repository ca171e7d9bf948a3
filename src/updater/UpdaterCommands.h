#pragma once
// The Updater's commands: its tray menu's items, also reachable as
// WM_COMMAND messages to its window when there is no tray icon.
namespace lv {

constexpr int CommandChangeAllNow = 101;
constexpr int CommandNextWallpaper = 102;
constexpr int CommandOpenControlCenter = 103;
constexpr int CommandExit = 104;

constexpr const char* ChangeAllNowText = "Change All Now";
constexpr const char* NextWallpaperText = "Next Wallpaper";
constexpr const char* OpenControlCenterText = "Open Control Center";
constexpr const char* ExitText = "Exit";

constexpr const char* ControlCenterProgram = "lumivane3.exe";

} // namespace lv
