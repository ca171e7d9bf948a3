// The main window's pages, the choice of the item whose list is edited, and
// the steps some skinned buttons add to their actions.
#include "app/MainView.h"
#include "app/MainWindowMap.h"
#include "app/mainform.h"

namespace lv {

std::vector<ControlState*> Tmainform::allControls()
{
    // The window's control order: the General page's, the list's, then each
    // cycler page's own, then those never shown.
    return {&enable, &deletenon, &runupd, &alwaystray, &Label1, &Label3, &list, &itemoptions, &dmode,
            &next, &clab1, &clab2, &pic, &dim, &preview, &paperoptions, &autopaper, &name2, &asounds,
            &scrchange, &sswait, &itembox, &t1, &t2, &t3, &t4, &t5, &t6, &t7, &t8, &category, &wavplay};
}

void Tmainform::showPage(MainPage page)
{
    for (ControlState* control : allControls())
        control->visible = false;
    shownPage = page;
    const PageEntry& entry = pageEntry(page);
    listPage = page != MainPage::General;
    wallpaperPage = page == MainPage::Wallpaper;
    for (ControlState* control : entry.controls(*this))
        control->visible = true;

    if (!listPage) {
        // The loaded item stays loaded; nothing is written.
        itemoptions.enabled = false;
        dmode.enabled = true;
        view_.refreshControls();
        return;
    }

    itemoptions.enabled = true;
    category.setItemIndex(entry.category);
    chooseCategory();
    itembox.setItemIndex(entry.item);
    try {
        chooseItem();
        if (page == MainPage::Sounds) {
            // Loads the same item once more, through the label list.
            asounds.setItemIndex(0);
            chooseSoundLabel();
        }
    }
    catch (...) {
        // A failed write-back leaves the previous item loaded: show the
        // page as far as it got before the message.
        view_.refreshControls();
        throw;
    }
    dmode.enabled = true;
    if (folder_)
        folder_->setFilter(entry.filter);
    view_.refreshControls();
}

const std::vector<std::string>& Tmainform::itemsOfCategory() const
{
    switch (category.itemIndex) {
    case CategoryLogos: return logoItems;
    case CategorySounds: return sounds.technicalNames;
    default: return generalItems;
    }
}

void Tmainform::chooseCategory()
{
    itembox.items = itemsOfCategory();
    itembox.itemIndex = -1;
    wavplay.enabled = category.itemIndex == CategorySounds;
    view_.refreshControls();
}

void Tmainform::chooseItem()
{
    if (loadedItem != NoItemLoaded)
        config_->writeItem(loadedItem, itemoptions.itemIndex, nextNumber(), list.items, list.displayModes);
    const auto& names = itemsOfCategory();
    const int index = itembox.itemIndex;
    if (index >= 0 && index < static_cast<int>(names.size())) {
        const std::string item = names[static_cast<std::size_t>(index)];
        ItemSettings settings = config_->readItem(item);
        list.setItems(std::move(settings.files));
        itemoptions.setItemIndex(settings.mode);
        next.text = std::to_string(settings.next);
        loadedItem = item;
        list.showsWallpaper = item == WallpaperItem;
    }

    paperoptions.enabled = false;
    pic.visible = false;
    name2.visible = false;
    if (itembox.text() == WallpaperItem) {
        paperoptions.enabled = true;
        paperoptions.setItemIndex(config_->readInteger(itemSettingsSection(WallpaperItem), "0", 0));
        pic.visible = preview.checked;
    }
    if (category.itemIndex == CategoryLogos)
        pic.visible = preview.checked;
    if (category.itemIndex == CategorySounds && index >= 0 && index < static_cast<int>(names.size())) {
        name2.visible = true;
        name2.caption = names[static_cast<std::size_t>(index)];
    }
    currentfileClick();
    view_.refreshControls();
}

void Tmainform::chooseSoundLabel()
{
    itembox.setItemIndex(asounds.itemIndex);
    chooseItem();
}

ItemKind Tmainform::loadedKind() const
{
    const std::string shown = itembox.text();
    if (itembox.itemIndex < 0 || shown != loadedItem)
        return ItemKind::None;
    if (shown == WallpaperItem)
        return ItemKind::Wallpaper;
    if (shown == ScreenSaverItem)
        return ItemKind::ScreenSaver;
    if (shown == DesktopThemeItem)
        return ItemKind::DesktopTheme;
    if (category.itemIndex == CategoryLogos)
        return ItemKind::Logo;
    if (category.itemIndex == CategorySounds)
        return ItemKind::Sound;
    return ItemKind::None;
}

void Tmainform::hbitbtn10Click()
{
    if (listPage)
        BitBtn1Click();
}

void Tmainform::hbitbtn11Click()
{
    if (listPage)
        BitBtn2Click();
}

void Tmainform::hbitbtn12Click()
{
    if (listPage)
        BitBtn3Click();
}

void Tmainform::hbitbtn15Click()
{
    BitBtn12Click();
    currentfileClick();
}

void Tmainform::hbitbtn30Click()
{
    // The folder may have changed since the dialog last listed it.
    if (folder_)
        folder_->refreshFileList();
    view_.showFolderDialog();
}

} // namespace lv
