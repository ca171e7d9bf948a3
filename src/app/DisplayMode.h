#pragma once
// How a wallpaper file is laid on the desktop, as the codes kept in the
// display-mode list and handed to the system unchanged.
#include <string>

namespace lv {

constexpr const char* Centered = "0";
constexpr const char* Tiled = "1";
constexpr const char* Stretch = "2";

// The mode a new wallpaper picture of W x H pixels gets when "autopaper" is
// on: stretched when wider than half the screen and shaped roughly like a
// screen (1.19 < W/H < 1.51), centred when larger than half the screen in
// either direction, tiled otherwise. A size that is not positive (a picture
// that could not be measured) is centred.
std::string automaticDisplayMode(int width, int height, int halfScreenWidth, int halfScreenHeight);

// Whether W/H lies strictly between 1.19 and 1.51, compared at the precision
// the Updater's rule has always used (the ratio rounded to 64 and then to 40
// significant bits, the limits to 64), so that 119:100 counts as inside and
// 151:100 as outside.
bool ratioInStretchRange(int width, int height);

} // namespace lv
