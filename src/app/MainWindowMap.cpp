#include "app/MainWindowMap.h"

#include "app/ListEditing.h"
#include "app/MainFormLayout.h"
#include "skin/SkinLayout.h"

#include <array>
#include <stdexcept>
#include <string>

namespace lv {

namespace {

using F = Tmainform;
using Controls = std::vector<ControlState*>;

constexpr ButtonAction page(MainPage p)
{
    return {ButtonAction::ShowPage, p, nullptr};
}
constexpr ButtonAction run(void (Tmainform::*handler)())
{
    return {ButtonAction::Handler, MainPage::General, handler};
}

constexpr PageSet Wallpaper = pageBit(MainPage::Wallpaper);
constexpr PageSet Sounds = pageBit(MainPage::Sounds);
constexpr PageSet ScreenSaver = pageBit(MainPage::ScreenSaver);
constexpr PageSet Logo = pageBit(MainPage::Logo);
constexpr PageSet Theme = pageBit(MainPage::Theme);
constexpr PageSet General = pageBit(MainPage::General);

const SkinButton Buttons[] = {
    {1, "hbitbtn1", EveryPage, page(MainPage::General), "PAGE1", skin::pageButton(0), "General Options"},
    {2, "hbitbtn2", EveryPage, page(MainPage::Wallpaper), "PAGE2", skin::pageButton(1), "Wallpaper Cycler"},
    {3, "hbitbtn3", EveryPage, page(MainPage::Sounds), "PAGE3", skin::pageButton(2), "Sounds Cycler"},
    {4, "hbitbtn4", EveryPage, page(MainPage::ScreenSaver), "PAGE4", skin::pageButton(3), "Screen Saver Cycler"},
    {5, "hbitbtn5", EveryPage, page(MainPage::Logo), "PAGE5", skin::pageButton(4), "Logo Cycler"},
    {6, "hbitbtn6", EveryPage, page(MainPage::Theme), "PAGE6", skin::pageButton(5), "Theme Cycler"},
    {7, "hbitbtn7", EveryPage, run(&F::BitBtn4Click), "SAVEEXIT", skin::SaveExitButton, "Save and Exit"},
    {8, "hbitbtn8", EveryPage, run(&F::BitBtn5Click), "CANCELEXIT", skin::CancelExitButton, "Cancel and Exit"},
    {9, "hbitbtn9", EveryPage, run(&F::BitBtn6Click), "HELP", skin::HelpButton, "Help"},
    {10, "hbitbtn10", CyclerPages, run(&F::hbitbtn10Click), "ADDFILES", skin::AddFilesButton, "Add File(s)"},
    {11, "hbitbtn11", CyclerPages, run(&F::hbitbtn11Click), "INSERTFILES", skin::InsertFilesButton,
     "Insert File(s)"},
    {12, "hbitbtn12", CyclerPages, run(&F::hbitbtn12Click), "REMOVEFILES", skin::RemoveFilesButton,
     "Remove Selected File(s)"},
    {13, "hbitbtn13", CyclerPages, run(&F::BitBtn13Click), "MOVEUP", skin::MoveUpButton, "Move File Up"},
    {14, "hbitbtn14", CyclerPages, run(&F::BitBtn15Click), "MOVEDOWN", skin::MoveDownButton, "Move File Down"},
    {15, "hbitbtn15", Wallpaper, run(&F::hbitbtn15Click), "APPLYNOW", skin::WallpaperApplyButton, "Apply Now"},
    {16, "hbitbtn16", Wallpaper, run(&F::BitBtn11Click), "APPLYSELECTED", skin::WallpaperSameButton,
     "Apply settings to all selected files."},
    {17, "hbitbtn17", Logo, run(&F::BitBtn7Click), "RESTORELOGOS", skin::RestoreLogosButton,
     "Restore Original Logos"},
    {18, "hbitbtn18", ScreenSaver, run(&F::BitBtn9Click), "SAVERPREVIEW", skin::SaverPreviewButton,
     "Preview Selected Screensaver"},
    {19, "hbitbtn19", ScreenSaver, run(&F::BitBtn10Click), "SAVEROPTIONS", skin::SaverOptionsButton,
     "Options for Selected Screensaver"},
    {20, "hbitbtn20", General, run(&F::Button1Click), "SCHEDULER", skin::SchedulerButton,
     "Open the Scheduler window"},
    {21, "hbitbtn21", Theme, run(&F::hbitbtn21Click), "APPLYNOW", skin::ThemeApplyButton, "Apply Now"},
    {22, "hbitbtn22", Theme, run(&F::BitBtn10Click), "THEMEPREVIEW", skin::ThemePreviewButton,
     "Preview Selected Theme"},
    {23, "hbitbtn23", General, {ButtonAction::ShowAboutBox}, "ABOUTBOX", skin::AboutButton, "About Box"},
    {25, "hbitbtn25", Sounds, run(&F::BitBtn8Click), "RESTORESOUNDS", skin::RestoreSoundsButton,
     "Restore Original System Sounds"},
    {26, "hbitbtn26", Sounds, run(&F::hbitbtn26Click), "PLAY", skin::PlayButton, "Play Selected Wav"},
    {27, "hbitbtn27", Sounds, run(&F::hbitbtn27Click), "PAUSE", skin::PauseButton, "Pause"},
    {28, "hbitbtn28", Sounds, run(&F::hbitbtn28Click), "STOP", skin::StopButton, "Stop"},
    {29, "hbitbtn29", Theme, run(&F::hbitbtn29Click), "APPLYSELECTED", skin::ThemeSameButton,
     "Apply settings to all selected files."},
    {30, "hbitbtn30", CyclerPages, run(&F::hbitbtn30Click), "ADDFOLDER", skin::AddFolderButton,
     "Add/Insert a Folder of Files"},
    // Minimising keeps the task-bar button; the close box is Quit.
    {0, "minbut", EveryPage, {ButtonAction::Minimise}, "MINBOX", MinimiseBoxRect, "Minimize"},
    {0, "closebut", EveryPage, run(&F::BitBtn5Click), "CLOSEBOX", CloseBoxRect, "Close"},
};

// Every cycler page shows the list with its labels and options.
Controls listControls(F& f, std::initializer_list<ControlState*> own)
{
    Controls controls{&f.Label1, &f.Label3, &f.list, &f.itemoptions, &f.dmode, &f.next, &f.clab1, &f.clab2};
    controls.insert(controls.end(), own);
    return controls;
}

const std::array<PageEntry, PageCount> Pages = {{
    {MainPage::General, "GENERAL", -1, -1, nullptr,
     [](F& f) -> Controls { return {&f.enable, &f.deletenon, &f.runupd, &f.alwaystray}; }},
    {MainPage::Wallpaper, "WALLBACK", CategoryGeneral, 0, WallpaperFilter,
     [](F& f) { return listControls(f, {&f.dim, &f.preview, &f.paperoptions, &f.autopaper}); }},
    {MainPage::Sounds, "SOUNDBACK", CategorySounds, 0, SoundFilter, [](F& f) { return listControls(f, {&f.asounds}); }},
    {MainPage::ScreenSaver, "SAVERBACK", CategoryGeneral, 1, ScreenSaverFilter,
     [](F& f) { return listControls(f, {&f.scrchange, &f.sswait}); }},
    {MainPage::Logo, "LOGOBACK", CategoryLogos, 0, LogoFilter, [](F& f) { return listControls(f, {&f.preview, &f.itembox}); }},
    {MainPage::Theme, "THEMEBACK", CategoryGeneral, 2, ThemeFilter,
     [](F& f) { return listControls(f, {&f.t1, &f.t2, &f.t3, &f.t4, &f.t5, &f.t6, &f.t7, &f.t8}); }},
}};

} // namespace

std::span<const SkinButton> mainWindowButtons()
{
    return Buttons;
}

const SkinButton& skinButton(int number)
{
    for (const SkinButton& button : Buttons)
        if (number > 0 && button.number == number)
            return button;
    throw std::out_of_range("no skinned button hbitbtn" + std::to_string(number));
}

const PageEntry& pageEntry(MainPage page)
{
    return Pages[static_cast<std::size_t>(page)];
}

} // namespace lv
