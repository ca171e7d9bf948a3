#pragma once
// The five cyclers in the order the Updater changes them and the scheduler
// shows them, with the keys of their schedule in the "scheduler" section.
#include <array>
#include <cstddef>

namespace lv {

struct CyclerKeys {
    const char* name;
    const char* choiceKey;   // 0: at start-up only; 1: also every interval
    const char* intervalKey; // minutes
};

constexpr std::array<CyclerKeys, 5> CyclerTable{{{"Wallpaper", "paper", "papertime"},
                                                 {"Screen Saver", "saver", "savertime"},
                                                 {"Desktop Themes", "theme", "themetime"},
                                                 {"Windows Logos", "logo", "logotime"},
                                                 {"System Sounds", "sound", "soundtime"}}};
constexpr std::size_t CyclerCount = CyclerTable.size();

} // namespace lv
