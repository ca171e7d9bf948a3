#pragma once
// The window-less three-bitmap buttons of one parent window: they are
// painted on the parent's surface, take the parent's mouse messages by
// position, learn when the mouse enters and leaves them, hold the mouse
// while pressed, and show their hints as tooltips.
#include "controls/hbitbtn.h"

#include <windows.h>

#include <vector>

namespace lv::win32 {

class ButtonHost : public ButtonSurface {
public:
    explicit ButtonHost(HWND parent, int hintDelayMilliseconds = 700);
    ~ButtonHost() override;
    ButtonHost(const ButtonHost&) = delete;
    ButtonHost& operator=(const ButtonHost&) = delete;

    void add(Thbitbtn& button);
    // Places the hints where the visible buttons are now.
    void updateHints();
    void setHintDelay(int milliseconds);

    // Paints every visible button that meets the area, on the parent's
    // picture already drawn in dc.
    void paint(HDC dc, const RECT& area) const;

    // The parent's mouse messages: true when a button took it.
    bool handleMouse(UINT message, WPARAM wParam, LPARAM lParam);

    void invalidate(const Thbitbtn& button) override;
    void repaint(const Thbitbtn& button) override;

private:
    Thbitbtn* buttonAt(POINT at) const;
    void addHint(std::size_t index);
    // Makes the hint window, given the mouse message that asks for it.
    void makeHints(const MSG& first);
    void follow(POINT at);
    void trackLeave();
    // The held button lost the mouse without a release.
    void loseMouse();

    HWND parent_;
    HWND tooltip_ = nullptr;
    bool hintsMade_ = false;
    int hintDelay_;
    std::vector<Thbitbtn*> buttons_;
    Thbitbtn* hot_ = nullptr;      // the one the mouse is over
    Thbitbtn* captured_ = nullptr; // the one that holds the mouse after a press
    bool trackingLeave_ = false;
};

} // namespace lv::win32
