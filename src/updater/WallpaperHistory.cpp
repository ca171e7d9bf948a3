#include "updater/WallpaperHistory.h"

namespace lv {

void WallpaperHistory::shown(const ShownWallpaper& wallpaper)
{
    if (!entries_.empty())
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(shown_) + 1, entries_.end());
    entries_.push_back(wallpaper);
    if (entries_.size() > Capacity)
        entries_.pop_front();
    shown_ = entries_.size() - 1;
}

std::optional<ShownWallpaper> WallpaperHistory::previous()
{
    if (entries_.empty() || shown_ == 0)
        return std::nullopt;
    return entries_[--shown_];
}

std::optional<ShownWallpaper> WallpaperHistory::next()
{
    if (entries_.empty() || shown_ + 1 >= entries_.size())
        return std::nullopt;
    return entries_[++shown_];
}

void WallpaperHistory::forget(const std::string& file)
{
    std::size_t kept = 0;
    std::size_t shownAfter = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].file != file)
            entries_[kept++] = entries_[i];
        // The one shown becomes the last kept entry at or before it.
        if (i == shown_)
            shownAfter = kept == 0 ? 0 : kept - 1;
    }
    entries_.resize(kept);
    shown_ = shownAfter;
}

std::optional<ShownWallpaper> WallpaperHistory::current() const
{
    if (entries_.empty())
        return std::nullopt;
    return entries_[shown_];
}

} // namespace lv
