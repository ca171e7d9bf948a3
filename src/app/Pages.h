#pragma once
// The pages of the main window: what each shows, which item it loads and
// which open dialog's filter the folder dialog takes from it.
#include <vector>

namespace lv {

// In the order of the page buttons hbitbtn1 .. hbitbtn6.
enum class MainPage { General, Wallpaper, Sounds, ScreenSaver, Logo, Theme };

constexpr int PageCount = 6;

struct PageLayout {
    // The page's panel image.
    const char* panel;
    // The skinned buttons the page adds to the common frame (hbitbtn1 to
    // hbitbtn9 and the title boxes), those of the list included.
    std::vector<int> skinButtons;
    // A cycler page: the category it chooses and the item it selects in it;
    // both -1 on the General page, which loads nothing.
    int category;
    int item;
    // The filter of the page's open dialog; null on the General page.
    const char* filter;
};

const PageLayout& pageLayout(MainPage page);

// The page whose button is hbitbtn1 .. hbitbtn6.
MainPage pageOfButton(int number);

} // namespace lv
