// The main window's pages, the choice of the item whose list is edited, and
// the skinned buttons that reach every action.
#include "app/MainView.h"
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
    const PageLayout& layout = pageLayout(page);
    listPage = page != MainPage::General;
    wallpaperPage = page == MainPage::Wallpaper;

    if (!listPage) {
        enable.visible = deletenon.visible = runupd.visible = alwaystray.visible = true;
        // The loaded item stays loaded; nothing is written.
        itemoptions.enabled = false;
        dmode.enabled = true;
        view_.refreshControls();
        return;
    }

    for (ControlState* control : std::initializer_list<ControlState*>{
             &Label1, &Label3, &list, &itemoptions, &dmode, &next, &clab1, &clab2})
        control->visible = true;
    switch (page) {
    case MainPage::Wallpaper:
        dim.visible = preview.visible = paperoptions.visible = autopaper.visible = true;
        break;
    case MainPage::Sounds:
        asounds.visible = true;
        break;
    case MainPage::ScreenSaver:
        scrchange.visible = sswait.visible = true;
        break;
    case MainPage::Logo:
        preview.visible = itembox.visible = true;
        break;
    case MainPage::Theme:
        for (CheckBoxState* box : {&t1, &t2, &t3, &t4, &t5, &t6, &t7, &t8})
            box->visible = true;
        break;
    case MainPage::General:
        break;
    }

    itemoptions.enabled = true;
    category.setItemIndex(layout.category);
    chooseCategory();
    itembox.setItemIndex(layout.item);
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
        folder_->setFilter(layout.filter);
    view_.refreshControls();
}

const std::vector<std::string>& Tmainform::itemsOfCategory() const
{
    switch (category.itemIndex) {
    case 1: return logoItems;
    case 2: return sounds.technicalNames;
    default: return generalItems;
    }
}

void Tmainform::chooseCategory()
{
    itembox.items = itemsOfCategory();
    itembox.itemIndex = -1;
    wavplay.enabled = category.itemIndex == 2;
    view_.refreshControls();
}

void Tmainform::chooseItem()
{
    if (loadedItem != NoItemLoaded)
        config_->writeItem(loadedItem, itemoptions.itemIndex, nextNumber(), list.items, displayModes);
    const auto& names = itemsOfCategory();
    const int index = itembox.itemIndex;
    if (index >= 0 && index < static_cast<int>(names.size())) {
        const std::string item = names[static_cast<std::size_t>(index)];
        ItemSettings settings = config_->readItem(item);
        list.setItems(std::move(settings.files));
        itemoptions.setItemIndex(settings.mode);
        next.text = std::to_string(settings.next);
        loadedItem = item;
    }

    paperoptions.enabled = false;
    pic.visible = false;
    name2.visible = false;
    if (itembox.text() == WallpaperItem) {
        paperoptions.enabled = true;
        paperoptions.setItemIndex(config_->readInteger("Wallpapercfg", "0", 0));
        pic.visible = preview.checked;
    }
    if (category.itemIndex == 1)
        pic.visible = preview.checked;
    if (category.itemIndex == 2 && index >= 0 && index < static_cast<int>(names.size())) {
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
    if (category.itemIndex == 1)
        return ItemKind::Logo;
    if (category.itemIndex == 2)
        return ItemKind::Sound;
    return ItemKind::None;
}

bool Tmainform::skinButtonClick(int number)
{
    switch (number) {
    case 1: case 2: case 3: case 4: case 5: case 6: showPage(pageOfButton(number)); break;
    case 7: BitBtn4Click(); break;
    case 8: BitBtn5Click(); break;
    case 10: hbitbtn10Click(); break;
    case 11: hbitbtn11Click(); break;
    case 12: hbitbtn12Click(); break;
    case 13: BitBtn13Click(); break;
    case 14: BitBtn15Click(); break;
    case 15: hbitbtn15Click(); break;
    case 16: BitBtn11Click(); break;
    case 17: BitBtn7Click(); break;
    case 18: BitBtn9Click(); break;
    case 19: BitBtn10Click(); break;
    case 20: Button1Click(); break;
    case 21: hbitbtn21Click(); break;
    case 22: BitBtn10Click(); break;
    case 25: BitBtn8Click(); break;
    case 26: hbitbtn26Click(); break;
    case 27: hbitbtn27Click(); break;
    case 28: hbitbtn28Click(); break;
    case 29: hbitbtn29Click(); break;
    case 30: hbitbtn30Click(); break;
    default: return false;
    }
    return true;
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
