#include "app/win32/MainChrome.h"

#include "controls/win32/SkinPictures.h"
#include "controls/win32/WindowRegion.h"
#include "skin/SkinLayout.h"

#include <windowsx.h>

#include <string>

namespace lv::win32 {

MainChrome::MainChrome(HWND window, HINSTANCE instance)
    : window_(window), instance_(instance), buttons_(mainWindowButtons().size())
{
    background_ = loadSkinPicture(instance, "BACKGROUND");
    host_ = std::make_unique<ButtonHost>(window);
    const auto map = mainWindowButtons();
    for (std::size_t i = 0; i < map.size(); ++i) {
        const SkinButton& skin = map[i];
        Thbitbtn& button = buttons_[i];
        button.Name = skin.name;
        dressButton(instance, button, skin.pictures);
        button.setBounds(skin.place);
        button.Hint = skin.hint;
        host_->add(button);
    }
    showPage(MainPage::General);
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

void MainChrome::showPage(MainPage page)
{
    // Each page's panel is read when the page is first shown, not all at start-up.
    Picture& panel = panels_[static_cast<std::size_t>(page)];
    if (panel.empty())
        panel = loadSkinPicture(instance_, pageEntry(page).panel);
    page_ = page;
    const auto map = mainWindowButtons();
    for (std::size_t i = 0; i < map.size(); ++i)
        buttons_[i].setVisible((map[i].pages & pageBit(page)) != 0);
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
