#pragma once
// Where the skin's pictures go. The one source of these places: the skin's
// painter (skin/skingen.py) reads this file and paints its pictures to the
// sizes and places written here, so every rectangle below is a plain
// `constexpr Rect Name{left, top, width, height};` (or Point, or int) that
// it can read.
#include "base/Geometry.h"

namespace lv::skin {

// Main window.
constexpr Rect ContentPanel{80, 26, 502, 367}; // where the page panels go (down to the preview frame)
constexpr Point BackgroundControlColourAt{500, 350};
constexpr Rect FirstPageButton{13, 72, 50, 50};
constexpr int PageButtonStep = 55;
constexpr Rect pageButton(int page) // page 0..5
{
    return {FirstPageButton.left, FirstPageButton.top + PageButtonStep * page, FirstPageButton.width,
            FirstPageButton.height};
}
constexpr Rect SaveExitButton{296, 394, 100, 24};   // hbitbtn7
constexpr Rect CancelExitButton{402, 394, 110, 24}; // hbitbtn8
constexpr Rect HelpButton{518, 394, 64, 24};        // hbitbtn9

// The cycler pages: the list well, its buttons, the item's own column and
// the page's own row of buttons.
constexpr Rect ListWell{88, 64, 282, 166};
constexpr Rect AddFilesButton{88, 236, 64, 22};    // hbitbtn10
constexpr Rect InsertFilesButton{156, 236, 64, 22}; // hbitbtn11
constexpr Rect RemoveFilesButton{224, 236, 90, 22}; // hbitbtn12
constexpr Rect AddFolderButton{318, 236, 55, 22};   // hbitbtn30 (clear of the preview frame)
constexpr Rect MoveUpButton{374, 64, 24, 24};       // hbitbtn13
constexpr Rect MoveDownButton{374, 92, 24, 24};     // hbitbtn14
constexpr Rect ItemColumn{404, 52, 174, 194};
constexpr Rect PreviewFrame{379, 258, 177, 135};

constexpr Rect WallpaperApplyButton{88, 270, 90, 30};    // hbitbtn15
constexpr Rect WallpaperSameButton{184, 273, 120, 24};   // hbitbtn16
constexpr Rect RestoreLogosButton{88, 350, 120, 24};     // hbitbtn17
constexpr Rect SaverPreviewButton{88, 270, 90, 24};      // hbitbtn18
constexpr Rect SaverOptionsButton{184, 270, 90, 24};     // hbitbtn19
constexpr Rect SchedulerButton{100, 304, 120, 24};        // hbitbtn20
constexpr Rect ThemeApplyButton{88, 270, 90, 30};        // hbitbtn21
constexpr Rect ThemePreviewButton{184, 273, 90, 24};     // hbitbtn22
constexpr Rect AboutButton{228, 304, 90, 24};            // hbitbtn23
constexpr Rect RestoreSoundsButton{88, 350, 120, 24};    // hbitbtn25
constexpr Rect PlayButton{88, 270, 58, 24};              // hbitbtn26
constexpr Rect PauseButton{150, 270, 58, 24};            // hbitbtn27
constexpr Rect StopButton{212, 270, 58, 24};             // hbitbtn28
constexpr Rect ThemeSameButton{88, 306, 120, 24};        // hbitbtn29

// Scheduler: five blocks in a 3 x 2 grid, the sixth cell holds the note
// on the longest interval and the two buttons.
constexpr Rect FirstSchedulerBlock{8, 22, 151, 102};
constexpr Point SchedulerBlockStep{158, 106};
constexpr Rect SchedulerChoiceInBlock{6, 18, 23, 54};   // radio1..radio5
constexpr Rect SchedulerIntervalInBlock{32, 78, 52, 20}; // Edit1..Edit5
constexpr Rect schedulerBlock(int block)
{
    return {FirstSchedulerBlock.left + SchedulerBlockStep.x * (block % 3),
            FirstSchedulerBlock.top + SchedulerBlockStep.y * (block / 3), FirstSchedulerBlock.width,
            FirstSchedulerBlock.height};
}
constexpr Rect inBlock(int block, Rect place)
{
    return {schedulerBlock(block).left + place.left, schedulerBlock(block).top + place.top, place.width,
            place.height};
}
constexpr Rect schedulerChoice(int block) { return inBlock(block, SchedulerChoiceInBlock); }
constexpr Rect schedulerInterval(int block) { return inBlock(block, SchedulerIntervalInBlock); }
// The two buttons form one column in the sixth cell, under its note.
constexpr Rect ScheduleUseButton{332, 170, 120, 24};    // hbitbtn1 "Use These Settings"
constexpr Rect ScheduleCancelButton{332, 198, 120, 24}; // hbitbtn2 "Cancel"

// About box: its row of buttons.
constexpr Rect AboutWebButton{16, 208, 190, 24};    // hbitbtn1
constexpr Rect AboutReturnButton{214, 208, 130, 24}; // hbitbtn3
constexpr Rect AboutQuitButton{357, 208, 110, 24};   // hbitbtn4

} // namespace lv::skin
