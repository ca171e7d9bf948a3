#pragma once
// The main window `Tmainform`: the state of the run and what its handlers do.
// The Win32 view shows the control states and calls the handlers.
#include "base/Geometry.h"
#include "app/CycleList.h"
#include "app/DisplayMode.h"
#include "app/ListEditing.h"
#include "app/MainFormLayout.h"
#include "app/Pages.h"
#include "config/ConfigBackup.h"
#include "config/ConfigFile.h"
#include "config/SoundCatalogue.h"
#include "controls/ControlState.h"
#include "desktop/DesktopContext.h"
#include "desktop/Logos.h"
#include "desktop/Sounds.h"
#include "desktop/Themes.h"
#include "dialogs/folder.h"
#include "imaging/ConvertImage.h"
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
// Shown when the program folder cannot be written; %s is the folder.
constexpr const char* FolderNotWritableMessage =
    "Lumivane 3 keeps its settings beside its programs, in %s, and cannot write there. Move the Lumivane 3 "
    "folder to a folder you may write to, for example in your user profile, and start it again.";
// The file that proves at start-up that the program folder can be written.
constexpr const char* WriteProbeName = "lumivane3.probe";

class Tmainform {
public:
    Tmainform(const Platform& platform, MainView& view);
    ~Tmainform();

    // The start-up sequence, run when the window is created. False when the
    // program must end at once (the user kept the Updater, or another
    // Control Center runs); nothing has been read or copied then.
    bool FormCreate();
    // Whether the shell has Active Desktop, asked once: the view asks as
    // soon as the window is on the screen (the answer only matters to the
    // wallpaper list), and whatever needs the answer earlier asks first.
    void checkActiveDesktop();
    // The folder dialog is created after the main window and takes two of
    // its options from it; its "&OK" runs this window's folder import, and
    // each cycler page gives it its filter.
    void attachFolderDialog(Taddfolder& folder);

    void BitBtn4Click(); // Save and Exit
    void BitBtn5Click(); // Quit (Exit Without Saving)
    void BitBtn6Click(); // Help: a fresh copy of the help program

    // Show a page: its controls, its item loaded, the folder dialog's filter.
    // The page buttons hbitbtn1 .. hbitbtn6 (MainWindowMap.h) come here.
    void showPage(MainPage page);
    void hbitbtn10Click(); // Add File(s), on the cycler pages only
    void hbitbtn11Click(); // Insert File(s), on the cycler pages only
    void hbitbtn12Click(); // Remove Selected File(s), on the cycler pages only
    void hbitbtn15Click(); // Apply Now (Wallpaper): apply, then show the current file
    void hbitbtn30Click(); // Add/Insert a Folder of Files: shows the folder dialog

    // Fills `itembox` with the names of the category chosen in `category`.
    void chooseCategory();
    // Writes the loaded item back and loads the item selected in `itembox`.
    void chooseItem();
    // Selects in `itembox` the sound chosen in `asounds` and loads it.
    void chooseSoundLabel();
    void itemboxClick() { chooseItem(); }
    void asoundsClick() { chooseSoundLabel(); }

    // Cycle list editing.
    void BitBtn1Click();  // Add File(s)
    void BitBtn2Click();  // Insert File(s)
    void BitBtn3Click();  // Delete File(s)
    void BitBtn13Click(); // Move File Up
    void BitBtn15Click(); // Move File Down
    void BitBtn11Click(); // "Same": the selector's display mode to every selected entry
    void paperoptionsClick(); // the selector's display mode to the focused entry
    void listClick();     // pick an entry (a click or a keyboard move in the list)
    void listDblClick();  // the double-clicked entry becomes the next file
    void listMouseDown(bool rightButton); // the right button toggles the selection style
    void nextMouseMove(); // the hint of `next` names the next file
    void previewClick();  // `preview` was ticked or cleared
    void sswaitExit();    // the idle minutes lost the focus: pulled into 1..99
    // Files dropped on the list, in the drop's order, each name whole.
    void WMDropFiles(const std::vector<std::string>& names);
    // The folder dialog's "&OK": its folder's listed files join the list.
    void Button2Click();

    // Desktop services.
    void BitBtn7Click();     // Restore Logos
    void BitBtn8Click();     // Restore Sounds
    void BitBtn9Click();     // Preview the screen saver
    void BitBtn10Click();    // Options of the screen saver / preview of the theme
    void BitBtn12Click();    // Apply the wallpaper
    void currentfileClick(); // the "Current:" line
    void hbitbtn21Click();   // Apply the theme
    void hbitbtn26Click();   // Play
    void hbitbtn27Click();   // Pause
    void hbitbtn28Click();   // Stop
    void hbitbtn29Click();   // theme options to all selected themes
    // The eight theme part boxes share one handler: all eight are stored
    // for the focused theme file on every change of a box.
    void t1Click() { themeBoxClick(); }
    void t2Click() { themeBoxClick(); }
    void t3Click() { themeBoxClick(); }
    void t4Click() { themeBoxClick(); }
    void t5Click() { themeBoxClick(); }
    void t6Click() { themeBoxClick(); }
    void t7Click() { themeBoxClick(); }
    void t8Click() { themeBoxClick(); }
    void themeBoxClick();
    // A theme entry was picked: its eight part boxes show its stored options.
    void showThemeOptions(const std::string& themeFile);
    // "Open the Scheduler window".
    void Button1Click();

    bool ended() const { return ended_; }

    // Controls that carry state.
    CheckBoxState enable, deletenon, runupd, alwaystray, autopaper, preview, nodupes, scrchange, aitemp;
    CheckBoxState t1, t2, t3, t4, t5, t6, t7, t8;
    RadioGroupState dmode, itemoptions, paperoptions, category;
    ComboBoxState itembox, asounds;
    CycleList list;
    EditState next, dim;
    SpinEditState sswait;
    LabelState name2, Label1, Label3, clab1, clab2;
    ImageState pic;
    // The sound player: enabled only while a sound is the category.
    ControlState wavplay;

    // The page shown and its flags.
    MainPage shownPage = MainPage::General;
    bool listPage = false;
    bool wallpaperPage = false;

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
    std::string loadedItem = NoItemLoaded;
    int halfScreenWidth = 0;
    int halfScreenHeight = 0;
    Rect previewFrame;
    bool activeDesktop = false;
    // The depth of the pictures converted in this run, from the display at start-up.
    imaging::PictureDepth pictureDepth = imaging::PictureDepth::TrueColor;
    std::string wallpaperDialogTitle = "Open (Active Desktop support: No)";

private:
    void end();
    void readMasterIntoControls();
    bool activeDesktopChecked_ = false;
    // The Updater ran when this run began and was closed by it: Quit starts
    // it again, so that only looking changes nothing.
    bool closedUpdater_ = false;
    void readIdleTime();
    // Writes and removes a probe file; says so and answers false when the
    // program folder refuses it.
    bool programFolderWritable();
    void setIdleTimeOnSave();
    const std::vector<std::string>& itemsOfCategory() const;
    std::vector<ControlState*> allControls();

    // The kind of the loaded item: the one `itembox` shows, when the list
    // holds its files (after a failed write or with no sound to choose, the
    // list still holds the previous item's files and nothing is added).
    ItemKind loadedKind() const;
    void addOrInsertFiles(Placement placement);
    // Places a batch taken from the first or the last name by the loaded
    // item's rules.
    void placeBatch(const std::vector<std::string>& names, bool lastToFirst, Placement placement);
    void placeFile(const std::string& path, Placement placement, const std::string& mode = Centered);
    void placeWallpaperFile(const std::string& path, Placement placement);
    std::string measuredDisplayMode();
    void moveFocused(int by);
    int nextNumber() const;
    void previewWallpaper(const std::string& path);
    void previewLogo(const std::string& path);
    void loadPreviewBitmap();
    void readySoundFile(const std::string& path);
    void convertToPreviewBitmap(const std::string& path);

    // The item chosen in `itembox`; empty when none is.
    std::string selectedItemName() const;
    ThemeBoxes themeBoxes() const;

    Platform platform_;
    MainView& view_;
    WavePlayer wavePlayer_{platform_.sound};
    DesktopPaths desktopPaths_;
    std::unique_ptr<ConfigFile> config_;
    std::unique_ptr<ConfigBackup> backup_;
    Taddfolder* folder_ = nullptr;
    int idleMinutesShown_ = 0;
    bool ended_ = false;
};

} // namespace lv
