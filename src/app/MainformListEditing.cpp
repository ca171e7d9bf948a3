// Editing the loaded item's cycle list: the open dialogs, placing files with
// their display modes, removing and moving entries, picking an entry with
// its preview, and the display-mode selector.
#include "app/DisplayMode.h"
#include "app/MainView.h"
#include "app/mainform.h"
#include "imaging/Bitmap.h"
#include "imaging/ConvertImage.h"
#include "base/Error.h"

#include <algorithm>
#include <utility>

namespace lv {

namespace {

std::string dialogFilter(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Wallpaper: return WallpaperFilter;
    case ItemKind::ScreenSaver: return ScreenSaverFilter;
    case ItemKind::DesktopTheme: return ThemeFilter;
    case ItemKind::Logo: return LogoFilter;
    case ItemKind::Sound: return SoundFilter;
    case ItemKind::None: break;
    }
    return {};
}

} // namespace

int Tmainform::nextNumber() const
{
    return parseProfileInteger(next.text).value_or(0);
}

void Tmainform::BitBtn1Click()
{
    addOrInsertFiles(Placement::Append);
}

void Tmainform::BitBtn2Click()
{
    addOrInsertFiles(Placement::Insert);
}

void Tmainform::addOrInsertFiles(Placement placement)
{
    const ItemKind kind = loadedKind();
    if (kind == ItemKind::None)
        return;
    checkActiveDesktop();
    // Only the wallpaper dialog has a title of its own.
    const std::string title = kind == ItemKind::Wallpaper ? wallpaperDialogTitle : std::string();
    const std::vector<std::string> names = platform_.dialogs.openFiles(dialogFilter(kind), title);
    // Appending takes the names from the last, inserting from the first;
    // since the focus does not move, an inserted choice ends up reversed too.
    placeBatch(names, placement == Placement::Append, placement);
}

void Tmainform::placeBatch(const std::vector<std::string>& names, bool lastToFirst, Placement placement)
{
    const ItemKind kind = loadedKind();
    checkActiveDesktop();
    // Converting many large pictures takes seconds: the hourglass stays for
    // the whole batch, and the windows repaint between files without taking
    // input that could change the list half way.
    HourglassCursor hourglass(platform_.ui);
    try {
        const std::size_t count = names.size();
        for (std::size_t k = 0; k < count; ++k) {
            platform_.ui.paintWindows();
            const std::string& name = names[lastToFirst ? count - 1 - k : k];
            if (name.empty())
                continue;
            if (kind == ItemKind::Wallpaper)
                placeWallpaperFile(name, placement);
            else if (acceptsFile(kind, name, activeDesktop))
                placeFile(name, placement);
        }
    }
    catch (...) {
        // What was placed before a failing file stays, and is shown.
        view_.refreshControls();
        throw;
    }
    view_.refreshControls();
}

void Tmainform::placeFile(const std::string& path, Placement placement, const std::string& mode)
{
    if (placement == Placement::Append)
        list.appendEntry(path, mode);
    else
        list.insertEntry(list.focusIndex(), path, mode);
}

void Tmainform::placeWallpaperFile(const std::string& path, Placement placement)
{
    const bool page = activeDesktop && isHtmlPage(path);
    const bool image = isWallpaperImage(path);
    if (!page && autopaper.checked)
        convertToPreviewBitmap(path);
    if (image) {
        std::string code = Centered;
        if (autopaper.checked) {
            try {
                code = measuredDisplayMode();
            }
            catch (...) {
                // A picture that cannot be measured joins the list with the
                // safe mode before the error is shown.
                placeFile(path, placement);
                throw;
            }
        }
        placeFile(path, placement, code);
    }
    else if (page) {
        placeFile(path, placement);
    }
}

std::string Tmainform::measuredDisplayMode()
{
    // The size is in the headers: a 12-megapixel picture need not be read
    // back whole.
    const auto headers = platform_.files.readFileStart(previewBitmap, imaging::BitmapHeadersSize);
    if (!headers)
        throw Error(formatMessage("Cannot open file %s", previewBitmap));
    const auto size = imaging::ReadBitmapSize(*headers);
    return automaticDisplayMode(size.width, size.height, halfScreenWidth, halfScreenHeight);
}

void Tmainform::BitBtn3Click()
{
    for (;;) {
        const auto lowest = std::find(list.selected.begin(), list.selected.end(), true);
        if (lowest == list.selected.end())
            break;
        list.eraseEntry(static_cast<int>(lowest - list.selected.begin()));
    }
    if (nextNumber() > list.count())
        next.text = std::to_string(list.count());
    view_.refreshControls();
}

void Tmainform::BitBtn13Click()
{
    moveFocused(-1);
}

void Tmainform::BitBtn15Click()
{
    moveFocused(+1);
}

void Tmainform::moveFocused(int by)
{
    const int from = list.focusIndex();
    const int to = from + by;
    if (list.selectedCount() != 1 || list.count() < 2 || to < 0 || to >= list.count())
        return;
    list.swapEntries(from, to);
    list.selected[static_cast<std::size_t>(from)] = false;
    list.selected[static_cast<std::size_t>(to)] = true;
    list.itemIndex = to;
    Label3.caption = lastSelectText(to, list.items[static_cast<std::size_t>(to)], 1);
    view_.refreshControls();
}

void Tmainform::BitBtn11Click()
{
    if (list.empty() || !list.showsWallpaper || paperoptions.itemIndex < 0)
        return;
    const std::string code = std::to_string(paperoptions.itemIndex);
    for (int i = 0; i < list.count(); ++i)
        if (list.selected[static_cast<std::size_t>(i)])
            list.setMode(i, code);
}

void Tmainform::paperoptionsClick()
{
    if (list.empty() || loadedKind() != ItemKind::Wallpaper || paperoptions.itemIndex < 0)
        return;
    list.setMode(list.focusIndex(), std::to_string(paperoptions.itemIndex));
}

void Tmainform::listClick()
{
    const ItemKind kind = loadedKind();
    if (!list.empty()) {
        const int focus = list.focusIndex();
        const std::string path = list.items[static_cast<std::size_t>(focus)];
        Label3.caption = lastSelectText(focus, path, list.selectedCount());
        if (kind == ItemKind::Wallpaper && preview.checked) {
            // A code that is no number (a hand-edited file) shows no choice.
            const auto mode = list.mode(focus);
            paperoptions.setItemIndex(mode ? parseProfileInteger(*mode).value_or(-1) : -1);
            previewWallpaper(path);
        }
        if (kind == ItemKind::DesktopTheme)
            showThemeOptions(path);
        if (kind == ItemKind::Sound && platform_.files.fileExists(path))
            readySoundFile(path);
        if (kind == ItemKind::Logo && preview.checked && platform_.files.fileExists(path))
            previewLogo(path);
    }
    if (!listPage)
        view_.sendPreviewToBack();
    view_.refreshControls();
}

void Tmainform::loadPreviewBitmap()
{
    imaging::TBitmap bitmap;
    bitmap.LoadFromFile(platform_.files, previewBitmap);
    pic.pictureSize = Size{bitmap.Width(), bitmap.Height()};
    pic.picture = std::make_shared<const std::vector<std::uint8_t>>(bitmap.ReleaseFileBytes());
}

void Tmainform::previewWallpaper(const std::string& path)
{
    pic.bounds.left = previewFrame.left;
    pic.bounds.top = previewFrame.top;
    view_.bringPreviewToFront();
    if (platform_.files.fileExists(path)) {
        if (imaging::ClassifyImageFile(path) != imaging::ImageClass::Other) {
            convertToPreviewBitmap(path);
            loadPreviewBitmap();
        }
        else {
            // A page has no picture of its own; the last one converted
            // would name another file.
            pic.picture.reset();
            pic.pictureSize = Size{};
        }
    }
    if (wallpaperPage)
        dim.text = pic.picture ? std::to_string(pic.pictureSize.width) + "x" + std::to_string(pic.pictureSize.height)
                               : std::string();
    pic.bounds = previewPlacement(pic.pictureSize, previewFrame);
}

void Tmainform::previewLogo(const std::string& path)
{
    convertToPreviewBitmap(path);
    pic.bounds.left = previewFrame.left;
    pic.bounds.top = previewFrame.top;
    view_.bringPreviewToFront();
    loadPreviewBitmap();
    // A logo fills the whole frame: it is shown as the system will stretch it.
    pic.bounds = previewFrame;
}

void Tmainform::convertToPreviewBitmap(const std::string& path)
{
    imaging::ConvertImageToBitmap({platform_.files, platform_.ui, pictureDepth}, path, false);
}

void Tmainform::readySoundFile(const std::string& path)
{
    wavePlayer_.ready(platform_.files, category.itemIndex, path);
}

void Tmainform::listDblClick()
{
    // An empty list has the focus index 0 too: the number becomes 1.
    if (listPage) {
        next.text = std::to_string(list.focusIndex() + 1);
        view_.refreshControls();
    }
}

void Tmainform::listMouseDown(bool rightButton)
{
    if (!rightButton)
        return;
    list.extendedSelect = !list.extendedSelect;
    list.clearSelection();
    view_.refreshControls();
}

void Tmainform::nextMouseMove()
{
    next.hint = nextFileHint(nextNumber(), list.items);
}

void Tmainform::previewClick()
{
    pic.visible = preview.checked;
    if (preview.checked)
        listClick();
    else
        view_.refreshControls();
}

} // namespace lv
