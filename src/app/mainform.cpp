#include "app/mainform.h"

#include "app/MainView.h"
#include "base/Rounding.h"
#include "config/Updater.h"
#include "desktop/ActDesk.h"
#include "help/HelpLauncher.h"
#include "base/Error.h"

namespace lv {

Tmainform::Tmainform(const Platform& platform, MainView& view) : platform_(platform), view_(view)
{
    enable.checked = true;
    deletenon.checked = true;
    runupd.checked = true;
    dmode.items = {"Add", "Insert"};
    dmode.itemIndex = 0;
    itemoptions.items = {"Enabled", "Enabled Random", "Disabled"};
    paperoptions.items = {"Centered", "Tiled", "Stretch"};
    category.items = {"&General", "&Logos", "So&unds"};
    next.text = "1";
    next.hint = "next file to be used for current item";
    list.hint = "Double-click to change \"next\"; right-click to toggle ExtendedSelect";
    itembox.hint = asounds.hint = "select item for cycling";
    dmode.hint = "add or insert dropped files in list";
    paperoptions.hint = "display mode for selected bmp";
    Label1.caption = "LastSelect:";
    Label3.caption = "none";
    clab1.caption = "Current:";
    sswait.minValue = 1;
    sswait.maxValue = 99;
    sswait.text = "1";
}

Tmainform::~Tmainform() = default;

void Tmainform::end()
{
    ended_ = true;
    view_.endApplication();
}

bool Tmainform::programFolderWritable()
{
    const std::string folder = platform_.files.programDirectory();
    const std::string probe = folder + WriteProbeName;
    if (platform_.files.writeFile(probe, {})) {
        platform_.files.deleteFile(probe);
        return true;
    }
    std::string shown = folder;
    if (shown.size() > 3 && shown.back() == '\\')
        shown.pop_back();
    platform_.dialogs.showError(formatMessage(FolderNotWritableMessage, shown));
    return false;
}

bool Tmainform::FormCreate()
{
    // Settings live beside the programs: a folder that refuses them (under
    // Program Files for a standard user) is said at once, not at the first save.
    if (!programFolderWritable()) {
        end();
        return false;
    }
    // Another program may hold the configuration file: the Updater is asked
    // to close, a second Control Center makes this one give way.
    if (const WindowHandle updater = findRunningUpdater(platform_.windows)) {
        if (!platform_.dialogs.confirm(UpdaterRunningQuestion)) {
            end();
            return false;
        }
        closeUpdater(platform_.windows, updater);
        closedUpdater_ = true;
    }
    if (platform_.windows.find(MainFormClassName, MainFormTitle)) {
        platform_.dialogs.showMessage("Error", AlreadyRunningMessage);
        end();
        return false;
    }

    view_.shapeWindow();
    halfScreenWidth = static_cast<int>(roundHalfEven(platform_.screen.width() * 0.5));
    halfScreenHeight = static_cast<int>(roundHalfEven(platform_.screen.height() * 0.5));
    pictureDepth = imaging::PictureDepthForDisplay(platform_.screen.colorBits());
    view_.setTitle(MainFormTitle);
    view_.sendPaperOptionsToBack();

    generalItems = {WallpaperItem, ScreenSaverItem, DesktopThemeItem};
    logoItems = {StartupLogoItem, ShutdownLogo1Item, ShutdownLogo2Item};
    sounds = buildSoundCatalogue(platform_.registry);
    asounds.items = sounds.labels;

    programDirectory = platform_.files.programDirectory();
    windowsDirectory = platform_.files.windowsDirectory();
    configPath = programDirectory + ConfigFileName;
    backupPath = programDirectory + BackupFileName;
    previewBitmap = programDirectory + "LumivaneTemp.bmp";
    wallpaperBitmap = programDirectory + "LumivaneWallpaper.bmp";
    logos = makeLogoPaths(windowsDirectory, programDirectory);
    desktopPaths_ = makeDesktopPaths(programDirectory, windowsDirectory);

    backup_ = std::make_unique<ConfigBackup>(platform_.files, configPath, backupPath);
    backup_->takeAtStartup();
    config_ = std::make_unique<ConfigFile>(platform_.profile, configPath);
    loadedItem = NoItemLoaded;
    if (platform_.files.fileExists(configPath)) {
        list.displayModes = config_->readDisplayModes();
        readMasterIntoControls();
    }

    backUpLogosOnFirstRun(platform_.files, logos);
    view_.acceptDroppedFiles();
    previewFrame = Rect{379, 258, 177, 135};
    pic.bounds = previewFrame;
    readIdleTime();
    view_.setHintDelay(HintDelayMilliseconds);
    showPage(MainPage::General);
    view_.colourSkinControls();
    return true;
}

void Tmainform::checkActiveDesktop()
{
    if (activeDesktopChecked_)
        return;
    activeDesktopChecked_ = true;
    activeDesktop = ActiveDesktopAvailable(platform_.activeDesktop);
    if (activeDesktop)
        wallpaperDialogTitle = "Open (Active Desktop support: Yes)";
}

void Tmainform::readMasterIntoControls()
{
    const MasterOptions o = readMasterOptions(*config_);
    enable.checked = o.enable;
    deletenon.checked = o.deletenon;
    runupd.checked = o.runupd;
    alwaystray.checked = o.alwaystray;
    dmode.setItemIndex(o.dragndrop);
    aitemp.checked = o.folderadd == 1;
    autopaper.checked = o.autopaper;
    preview.checked = o.preview;
    nodupes.checked = o.nodupes;
    scrchange.checked = o.scrchange;
}

void Tmainform::readIdleTime()
{
    sswait.setValue(platform_.system.screenSaveTimeout() / 60);
    idleMinutesShown_ = std::stoi(sswait.text);
}

void Tmainform::attachFolderDialog(Taddfolder& folder)
{
    folder_ = &folder;
    folder.addins.setItemIndex(aitemp.checked ? 1 : 0);
    folder.nodupes.checked = nodupes.checked;
    folder.importFiles = [this] { Button2Click(); };
}

void Tmainform::BitBtn4Click()
{
    if (!platform_.dialogs.confirm(SaveAndExitQuestion))
        return;
    if (enable.checked)
        registerUpdaterAtStartup(platform_.registry, programDirectory);
    else
        unregisterUpdaterAtStartup(platform_.registry);
    // The mode stored now, before the loaded item is written back below.
    if (enable.checked && config_->readInteger(itemSettingsSection(ScreenSaverItem), ItemModeKey, ModeDisabled) != ModeDisabled)
        platform_.system.setScreenSaveActive(true);

    MasterOptions o;
    o.enable = enable.checked;
    o.deletenon = deletenon.checked;
    o.runupd = runupd.checked;
    o.alwaystray = alwaystray.checked;
    o.autopaper = autopaper.checked;
    o.preview = preview.checked;
    o.nodupes = folder_ ? folder_->nodupes.checked : nodupes.checked;
    o.scrchange = scrchange.checked;
    o.dragndrop = dmode.itemIndex;
    o.folderadd = folder_ ? folder_->addins.itemIndex : (aitemp.checked ? 1 : 0);
    writeMasterOptions(*config_, o);

    chooseItem();
    backup_->discard();
    setIdleTimeOnSave();
    if (runupd.checked && enable.checked)
        startUpdater(platform_.shell, programDirectory);
    end();
}

void Tmainform::sswaitExit()
{
    // Only a whole number is pulled into the range; other text stays as
    // typed and reads as the minimum.
    const auto minutes = parseProfileInteger(sswait.text);
    if (minutes && (*minutes < sswait.minValue || *minutes > sswait.maxValue))
        sswait.setValue(*minutes);
}

void Tmainform::setIdleTimeOnSave()
{
    const int minutes = parseProfileInteger(sswait.text).value_or(1);
    // Only a value the user changed is set: rewriting the one shown at
    // start-up would turn 30 seconds into 60 or 7200 into 5940.
    if (minutes >= 1 && minutes <= 99 && minutes != idleMinutesShown_)
        platform_.system.setScreenSaveTimeout(minutes * 60);
}

void Tmainform::BitBtn5Click()
{
    if (!platform_.dialogs.confirm(QuitQuestion))
        return;
    backup_->restore();
    wavePlayer_.close();
    if (closedUpdater_)
        startUpdater(platform_.shell, programDirectory);
    end();
}

void Tmainform::BitBtn6Click()
{
    startHelp(platform_.windows, platform_.shell, programDirectory);
}

} // namespace lv
