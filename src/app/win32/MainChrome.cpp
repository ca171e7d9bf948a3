#include "app/win32/MainChrome.h"

#include "controls/win32/SkinPictures.h"
#include "controls/win32/WindowRegion.h"
#include "skin/SkinLayout.h"

#include <windowsx.h>

#include <string>
#include <vector>

namespace lv::win32 {

namespace {

struct ButtonSkin {
    int number;
    const char* pictures; // resource stem
    Rect place;
    const char* hint;
};

// Every skinned button of the main window with its pictures, place and hint.
const ButtonSkin Buttons[] = {
    {1, "PAGE1", skin::pageButton(0), "General Options"},
    {2, "PAGE2", skin::pageButton(1), "Wallpaper Cycler"},
    {3, "PAGE3", skin::pageButton(2), "Sounds Cycler"},
    {4, "PAGE4", skin::pageButton(3), "Screen Saver Cycler"},
    {5, "PAGE5", skin::pageButton(4), "Logo Cycler"},
    {6, "PAGE6", skin::pageButton(5), "Theme Cycler"},
    {7, "SAVEEXIT", skin::SaveExitButton, "Save and Exit"},
    {8, "CANCELEXIT", skin::CancelExitButton, "Cancel and Exit"},
    {9, "HELP", skin::HelpButton, "Help"},
    {10, "ADDFILES", skin::AddFilesButton, "Add File(s)"},
    {11, "INSERTFILES", skin::InsertFilesButton, "Insert File(s)"},
    {12, "REMOVEFILES", skin::RemoveFilesButton, "Remove Selected File(s)"},
    {13, "MOVEUP", skin::MoveUpButton, "Move File Up"},
    {14, "MOVEDOWN", skin::MoveDownButton, "Move File Down"},
    {15, "APPLYNOW", skin::WallpaperApplyButton, "Apply Now"},
    {16, "APPLYSELECTED", skin::WallpaperSameButton, "Apply settings to all selected files."},
    {17, "RESTORELOGOS", skin::RestoreLogosButton, "Restore Original Logos"},
    {18, "SAVERPREVIEW", skin::SaverPreviewButton, "Preview Selected Screensaver"},
    {19, "SAVEROPTIONS", skin::SaverOptionsButton, "Options for Selected Screensaver"},
    {20, "SCHEDULER", skin::SchedulerButton, "Open the Scheduler window"},
    {21, "APPLYNOW", skin::ThemeApplyButton, "Apply Now"},
    {22, "THEMEPREVIEW", skin::ThemePreviewButton, "Preview Selected Theme"},
    {23, "ABOUTBOX", skin::AboutButton, "About Box"},
    {25, "RESTORESOUNDS", skin::RestoreSoundsButton, "Restore Original System Sounds"},
    {26, "PLAY", skin::PlayButton, "Play Selected Wav"},
    {27, "PAUSE", skin::PauseButton, "Pause"},
    {28, "STOP", skin::StopButton, "Stop"},
    {29, "APPLYSELECTED", skin::ThemeSameButton, "Apply settings to all selected files."},
    {30, "ADDFOLDER", skin::AddFolderButton, "Add/Insert a Folder of Files"},
};

const char* const PanelNames[] = {"GENERAL", "WALLBACK", "SOUNDBACK", "SAVERBACK", "LOGOBACK", "THEMEBACK"};

// The buttons each page adds to the common frame (1 to 9 and the title boxes).
const std::vector<int> CyclerButtons = {10, 11, 12, 13, 14, 30};
std::vector<int> pageButtons(Page page)
{
    switch (page) {
    case Page::General: return {20, 23};
    case Page::Wallpaper: return {15, 16};
    case Page::Sounds: return {25, 26, 27, 28};
    case Page::ScreenSaver: return {18, 19};
    case Page::Logo: return {17};
    case Page::Theme: return {21, 22, 29};
    }
    return {};
}

void dress(HINSTANCE instance, Thbitbtn& button, const std::string& stem)
{
    button.setBitmap_Up(loadSkinPicture(instance, stem + "_UP"));
    button.setBitmap_Down(loadSkinPicture(instance, stem + "_DOWN"));
    button.setBitmap_Idle(loadSkinPicture(instance, stem + "_IDLE"));
}

} // namespace

MainChrome::MainChrome(HWND window, HINSTANCE instance) : window_(window)
{
    background_ = loadSkinPicture(instance, "BACKGROUND");
    for (std::size_t i = 0; i < panels_.size(); ++i)
        panels_[i] = loadSkinPicture(instance, PanelNames[i]);
    host_ = std::make_unique<ButtonHost>(window);
    for (const ButtonSkin& skin : Buttons) {
        Thbitbtn& button = hbitbtn(skin.number);
        button.Name = "hbitbtn" + std::to_string(skin.number);
        dress(instance, button, skin.pictures);
        button.setBounds(skin.place);
        button.Hint = skin.hint;
        host_->add(button);
    }
    minbut.Name = "minbut";
    closebut.Name = "closebut";
    dress(instance, minbut, "MINBOX");
    dress(instance, closebut, "CLOSEBOX");
    minbut.setBounds(MinimiseBoxRect);
    closebut.setBounds(CloseBoxRect);
    minbut.Hint = "Minimize";
    closebut.Hint = "Close";
    host_->add(minbut);
    host_->add(closebut);
    showPage(Page::General);
}

void MainChrome::shapeWindow()
{
    const Size control{background_.width(), background_.height()};
    applyOutline(window_, traceMainWindowOutline([this](int x, int y) { return background_.pixel(x, y); },
                                                 background_.width(), control));
}

Colour MainChrome::controlColour() const
{
    return background_.pixel(skin::BackgroundControlColourAt.x, skin::BackgroundControlColourAt.y);
}

void MainChrome::showPage(Page page)
{
    page_ = page;
    for (int n = 10; n < ButtonCount; ++n)
        buttons_[static_cast<std::size_t>(n)].setVisible(false);
    if (page != Page::General)
        for (int n : CyclerButtons)
            hbitbtn(n).setVisible(true);
    for (int n : pageButtons(page))
        hbitbtn(n).setVisible(true);
    host_->updateHints();
    InvalidateRect(window_, nullptr, FALSE);
}

void MainChrome::paint(HDC dc, const RECT& area) const
{
    // The client area is one pixel wider than the background picture: that
    // column lies outside the window's shape.
    drawPicture(dc, background_, 0, 0);
    const Picture& panel = panels_[static_cast<std::size_t>(page_)];
    drawPicture(dc, panel, skin::ContentPanel.left, skin::ContentPanel.top);
    host_->paint(dc, area);
}

bool MainChrome::handleMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    const Point client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!dragInput_.dragging() && host_->handleMouse(message, wParam, lParam))
        return true;
    if (message == WM_MOUSELEAVE)
        return false;
    if (message == WM_CAPTURECHANGED) {
        dragInput_.captureLost();
        return false;
    }
    dragInput_.onMouse(window_, message, client);
    return dragInput_.dragging() || DragBarRect.contains(client);
}

} // namespace lv::win32
