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
