#include "app/Pages.h"

#include "app/ListEditing.h"

#include <array>

namespace lv {

const PageLayout& pageLayout(MainPage page)
{
    // Every cycler page has the list's buttons 10 to 14 and 30 (Add,
    // Insert, Remove, Move up, Move down, folder dialog), then its own.
    static const std::array<PageLayout, PageCount> layouts = {{
        {"general", {20, 23}, -1, -1, nullptr},
        {"wallback", {10, 11, 12, 13, 14, 30, 15, 16}, 0, 0, WallpaperFilter},
        {"soundback", {10, 11, 12, 13, 14, 30, 25, 26, 27, 28}, 2, 0, SoundFilter},
        {"saverback", {10, 11, 12, 13, 14, 30, 18, 19}, 0, 1, ScreenSaverFilter},
        {"logoback", {10, 11, 12, 13, 14, 30, 17}, 1, 0, LogoFilter},
        {"themeback", {10, 11, 12, 13, 14, 30, 21, 22, 29}, 0, 2, ThemeFilter},
    }};
    return layouts[static_cast<std::size_t>(page)];
}

MainPage pageOfButton(int number)
{
    return static_cast<MainPage>(number - 1);
}

} // namespace lv
