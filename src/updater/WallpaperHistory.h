#pragma once
// The wallpapers shown while the Updater runs, for Previous Wallpaper and a
// Next Wallpaper that walks forward again before going on with the list.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace lv {

struct ShownWallpaper {
    std::string file;
    int displayMode = 0;
};

class WallpaperHistory {
public:
    static constexpr std::size_t Capacity = 50;

    // A wallpaper from the list: it becomes the newest entry; the entries
    // after the one shown (left by Previous) go, as in a browser.
    void shown(const ShownWallpaper& wallpaper);
    // The entry before the one shown, which becomes the one shown; nullopt
    // at the oldest.
    std::optional<ShownWallpaper> previous();
    // The entry after the one shown, which becomes the one shown; nullopt
    // at the newest (the list goes on then).
    std::optional<ShownWallpaper> next();
    // Every entry of the file leaves; the one shown moves back to the entry
    // before it when it was one of them.
    void forget(const std::string& file);

    std::optional<ShownWallpaper> current() const;

private:
    std::deque<ShownWallpaper> entries_;
    std::size_t shown_ = 0; // index into entries_, valid when not empty
};

} // namespace lv
