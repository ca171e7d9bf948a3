#pragma once
// The main window `Tmainform`: the state of the run and what its handlers do.
// The Win32 view shows the control states and calls the handlers.
#include "app/Geometry.h"
#include "app/MainFormLayout.h"
#include "config/ConfigBackup.h"
#include "config/ConfigFile.h"
#include "config/SoundCatalogue.h"
#include "controls/ControlState.h"
#include "desktop/Logos.h"
#include "dialogs/folder.h"
#include "platform/Platform.h"

#include <memory>
#include <string>
#include <vector>

namespace lv {

class MainView;

constexpr const char* NoItemLoaded = "empty";
constexpr int HintDelayMilliseconds = 700;

constexpr const char* UpdaterRunningQuestion =
    "Lumivane 3 Updater must be shutdown before you can run Lumivane 3 Control Center.  "
    "Do you want to shutdown the Updater and start the Control Center?";
constexpr const char* AlreadyRunningMessage = "Lumivane 3 Control Center is already running!";
constexpr const char* SaveAndExitQuestion = "Save and Exit?";
constexpr const char* QuitQuestion = "Exit Without Saving?";

class Tmainform {
public:
    Tmainform(const Platform& platform, MainView& view);
    ~Tmainform();

    // The start-up sequence, run when the window is created. False when the
    // program must end at once (the user kept the Updater, or another
    // Control Center runs); nothing has been read or copied then.
    bool FormCreate();
    // The folder dialog is created after the main window and takes two of
    // its options from it.
    void attachFolderDialog(Taddfolder& folder);

    void BitBtn4Click(); // Save and Exit
    void BitBtn5Click(); // Quit (Exit Without Saving)
    void BitBtn6Click(); // Help: a fresh copy of the help program

    // The skinned buttons that do more than click one hidden button.
    void hbitbtn10Click(); // Add File(s), on the cycler pages only
    void hbitbtn11Click(); // Insert File(s), on the cycler pages only
    void hbitbtn12Click(); // Remove Selected File(s), on the cycler pages only
    void hbitbtn15Click(); // Apply Now (Wallpaper): apply, then show the current file

    // A page of the skin was shown (0 General, 1 Wallpaper, 2 Sounds,
    // 3 Screen Saver, 4 Logo, 5 Theme): sets the page flags and hides the
    // General page's options on the cycler pages.
    void pageShown(int page);
    bool listPage = false;
    bool wallpaperPage = false;

    // The actions of the pages, list editing and desktop services, reached
    // from their skinned buttons. Each comes with its own part of the
    // program; until then a click does nothing.
    void BitBtn1Click() {}  // Add File(s)
    void BitBtn2Click() {}  // Insert File(s)
    void BitBtn3Click() {}  // Delete File(s)
    void BitBtn13Click() {} // Move File Up
    void BitBtn15Click() {} // Move File Down
    void BitBtn12Click() {} // Apply the wallpaper
    void currentfileClick() {} // the "Current:" line
    void BitBtn11Click() {} // display mode to all selected files
    void BitBtn7Click() {}  // Restore Logos
    void BitBtn9Click() {}  // Preview the screen saver
    void BitBtn10Click() {} // Options of the screen saver / preview of the theme
    void Button1Click() {}  // Scheduler
    void hbitbtn21Click() {} // Apply the theme
    void BitBtn8Click() {}  // Restore Sounds
    void hbitbtn26Click() {} // Play
    void hbitbtn27Click() {} // Pause
    void hbitbtn28Click() {} // Stop
    void hbitbtn29Click() {} // theme options to all selected themes
    void hbitbtn30Click() {} // folder import

    // Writes the loaded item back and loads the item selected in `itembox`.
    void chooseItem();
    void showGeneralPage();

    bool ended() const { return ended_; }

    // Controls that carry state.
    CheckBoxState enable, deletenon, runupd, alwaystray, autopaper, preview, nodupes, scrchange, aitemp;
    RadioGroupState dmode, itemoptions, paperoptions, category;
    ComboBoxState itembox, asounds;
    ListBoxState list;
    EditState next;
    SpinEditState sswait;
    LabelState name2;

    // Run-wide state built at start-up.
    std::string programDirectory;
    std::string windowsDirectory;
    std::string configPath;
    std::string backupPath;
    std::string previewBitmap;
    std::string wallpaperBitmap;
    LogoPaths logos;
    std::vector<std::string> generalItems;
    std::vector<std::string> logoItems;
    SoundCatalogue sounds;
    std::vector<std::string> displayModes;
    std::string loadedItem = NoItemLoaded;
    int halfScreenWidth = 0;
    int halfScreenHeight = 0;
    Rect previewFrame;
    bool activeDesktop = false;
    std::string wallpaperDialogTitle = "Open (Active Desktop support: No)";

private:
    void end();
    void readMasterIntoControls();
    void readIdleTime();
    void setIdleTimeOnSave();
    const std::vector<std::string>& itemsOfCategory() const;

    Platform platform_;
    MainView& view_;
    std::unique_ptr<ConfigFile> config_;
    std::unique_ptr<ConfigBackup> backup_;
    Taddfolder* folder_ = nullptr;
    int idleMinutesShown_ = 0;
    bool ended_ = false;
};

} // namespace lv
