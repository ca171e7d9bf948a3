#pragma once
// The pages of the main window, in the order of their buttons hbitbtn1 ..
// hbitbtn6 and of the skin's panels. What each shows is in MainWindowMap.h.

namespace lv {

enum class MainPage { General, Wallpaper, Sounds, ScreenSaver, Logo, Theme };

constexpr int PageCount = 6;

} // namespace lv
