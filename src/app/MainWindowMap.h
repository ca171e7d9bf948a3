#pragma once
// The one map of the main window: every skinned button with the pages it
// shows on, what a click does, its pictures, place and hint; and every page
// with its panel, the item it loads, its open dialog's filter and the
// controls it shows. The Win32 view and the chrome are wired from it and
// the tests drive the same entries, so a button that reaches the wrong
// action fails a test. A new page or button is a new row here, its pictures
// in the skin painter (skin/skingen.py, places in skin/SkinLayout.h) and
// its page's own controls.
#include "app/Pages.h"
#include "app/mainform.h"
#include "base/Geometry.h"

#include <span>
#include <vector>

namespace lv {

// A set of pages, one bit per MainPage.
using PageSet = unsigned;
constexpr PageSet pageBit(MainPage page)
{
    return 1u << static_cast<unsigned>(page);
}
constexpr PageSet EveryPage = (1u << PageCount) - 1;
constexpr PageSet CyclerPages = EveryPage & ~pageBit(MainPage::General);

// What a click of a skinned button does: show a page, run a handler of the
// window's logic, or one of the view's own steps.
struct ButtonAction {
    enum Kind { ShowPage, Handler, ShowAboutBox, Minimise };
    Kind kind;
    MainPage page = MainPage::General; // ShowPage
    void (Tmainform::*handler)() = nullptr; // Handler
};

struct SkinButton {
    int number;           // hbitbtn<number>; 0 for the title boxes
    const char* name;     // the control's name
    PageSet pages;        // where it shows
    ButtonAction action;
    const char* pictures; // stem of its pictures: <stem>_UP, <stem>_DOWN, <stem>_IDLE
    Rect place;
    const char* hint;
};

struct PageEntry {
    MainPage page;
    const char* panel; // its panel picture
    // A cycler page: the category it chooses and the item it selects in it;
    // both -1 on the General page, which loads nothing.
    int category;
    int item;
    // The filter of the page's open dialog; null on the General page.
    const char* filter;
    // The window's controls the page shows.
    std::vector<ControlState*> (*controls)(Tmainform& form);
};

// Every skinned button of the main window, the title boxes last.
std::span<const SkinButton> mainWindowButtons();
// The button hbitbtn<number>; throws std::out_of_range when there is none.
const SkinButton& skinButton(int number);
// The pages in the order of their buttons hbitbtn1 .. hbitbtn6.
const PageEntry& pageEntry(MainPage page);

} // namespace lv
