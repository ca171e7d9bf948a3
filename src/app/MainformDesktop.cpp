// The main window's desktop services: what its buttons do to the running
// system, each handler one call into the desktop logic.
#include "app/MainView.h"
#include "app/mainform.h"
#include "desktop/CurrentAssignment.h"
#include "desktop/ScreenSaver.h"
#include "desktop/Wallpaper.h"

namespace lv {

std::string Tmainform::selectedItemName() const
{
    const auto& names = itemsOfCategory();
    if (itembox.itemIndex < 0 || itembox.itemIndex >= static_cast<int>(names.size()))
        return "";
    return names[static_cast<std::size_t>(itembox.itemIndex)];
}

ThemeBoxes Tmainform::themeBoxes() const
{
    return {t1.checked, t2.checked, t3.checked, t4.checked, t5.checked, t6.checked, t7.checked, t8.checked};
}

void Tmainform::BitBtn7Click()
{
    restoreLogos(platform_.files, platform_.dialogs, logos);
}

void Tmainform::BitBtn8Click()
{
    restoreSounds(platform_.registry, platform_.dialogs, sounds.technicalNames);
}

void Tmainform::BitBtn9Click()
{
    previewScreenSaver(platform_.shell, selectedItemName(), list.focusedEntry());
}

void Tmainform::BitBtn10Click()
{
    optionsForSelectedFile(platform_, desktopPaths_, selectedItemName(), list.focusedEntry());
}

void Tmainform::BitBtn12Click()
{
    applyWallpaper(platform_, desktopPaths_, pictureDepth, list.focusedEntry(), paperoptions.itemIndex);
}

void Tmainform::currentfileClick()
{
    clab2.caption = currentfileText(platform_, desktopPaths_, category.itemIndex, selectedItemName());
    view_.refreshControls();
}

void Tmainform::hbitbtn21Click()
{
    if (applyTheme(platform_, desktopPaths_, selectedItemName(), list.focusedEntry()))
        currentfileClick();
}

void Tmainform::hbitbtn26Click()
{
    wavePlayer_.play();
}

void Tmainform::hbitbtn27Click()
{
    wavePlayer_.pauseOrResume();
}

void Tmainform::hbitbtn28Click()
{
    wavePlayer_.stop();
}

void Tmainform::hbitbtn29Click()
{
    copyThemeOptionsToSelected(platform_, desktopPaths_, list.selectedEntries(), themeBoxes());
}

void Tmainform::Button1Click()
{
    view_.showScheduler();
}

void Tmainform::themeBoxClick()
{
    storeThemeBoxes(platform_, desktopPaths_, list.focusedEntry(), themeBoxes());
}

void Tmainform::showThemeOptions(const std::string& themeFile)
{
    ThemeBoxes boxes = themeBoxes();
    if (!lv::showThemeOptions(platform_, desktopPaths_, selectedItemName(), themeFile, boxes))
        return;
    CheckBoxState* states[] = {&t1, &t2, &t3, &t4, &t5, &t6, &t7, &t8};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        states[i]->checked = boxes[i];
    view_.refreshControls();
}

} // namespace lv
