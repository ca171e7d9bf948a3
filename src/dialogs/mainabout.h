#pragma once
// The about box `Tbigabout`: what its three buttons do and how it is dragged.
#include "base/Geometry.h"
#include "controls/SkinnedWindow.h"
#include "skin/SkinLayout.h"
#include "platform/Shell.h"

#include <functional>

namespace lv {

constexpr const char* AboutClassName = "Tbigabout";
constexpr const char* AboutTitle = "Lumivane V2.0 About";
constexpr Size AboutClientSize{483, 243};
constexpr Rect AboutDragStripRect{0, 0, 481, 17}; // `Image2`
constexpr const char* LumivaneWebAddress = "https://lumivane.example/";

// Places of the about box's buttons on its picture.
constexpr Rect AboutWebButtonRect = skin::AboutWebButton;       // hbitbtn1
constexpr Rect AboutReturnButtonRect = skin::AboutReturnButton; // hbitbtn3
constexpr Rect AboutQuitButtonRect = skin::AboutQuitButton;     // hbitbtn4

class AboutView {
public:
    virtual ~AboutView() = default;
    virtual void hide() = 0;
};

class Tbigabout {
public:
    // quitMain runs the main window's Quit, with its prompt.
    Tbigabout(Shell& shell, AboutView& view, std::function<void()> quitMain);

    void hbitbtn1Click(); // "Go to Lumivane's Internet Site"
    void hbitbtn3Click(); // "Return to Lumivane"
    void hbitbtn4Click(); // "Quit Lumivane"

    DragStrip Image2;

private:
    Shell& shell_;
    AboutView& view_;
    std::function<void()> quitMain_;
};

} // namespace lv
