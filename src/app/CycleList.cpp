#include "app/CycleList.h"

#include <algorithm>
#include <utility>

namespace lv {

void CycleList::insertEntry(int position, std::string path, const std::string& mode)
{
    const int at = std::clamp(position, 0, count());
    insert(at, std::move(path));
    if (!showsWallpaper)
        return;
    // A mode list shorter than the entries (a hand-edited file) takes the
    // mode at its end.
    const auto modeAt = std::min(static_cast<std::size_t>(at), displayModes.size());
    displayModes.insert(displayModes.begin() + static_cast<std::ptrdiff_t>(modeAt), mode);
}

void CycleList::appendEntry(std::string path, const std::string& mode)
{
    append(std::move(path));
    if (showsWallpaper)
        displayModes.push_back(mode);
}

void CycleList::eraseEntry(int position)
{
    erase(position);
    if (hasMode(position))
        displayModes.erase(displayModes.begin() + position);
}

void CycleList::swapEntries(int first, int second)
{
    const auto i = static_cast<std::size_t>(first);
    const auto j = static_cast<std::size_t>(second);
    std::swap(items[i], items[j]);
    if (hasMode(first) && hasMode(second))
        std::swap(displayModes[i], displayModes[j]);
}

std::optional<std::string> CycleList::mode(int position) const
{
    if (!hasMode(position))
        return std::nullopt;
    return displayModes[static_cast<std::size_t>(position)];
}

void CycleList::setMode(int position, const std::string& code)
{
    if (hasMode(position))
        displayModes[static_cast<std::size_t>(position)] = code;
}

std::optional<std::string> CycleList::focusedEntry() const
{
    if (itemIndex < 0 || itemIndex >= count())
        return std::nullopt;
    return items[static_cast<std::size_t>(itemIndex)];
}

std::vector<std::string> CycleList::selectedEntries() const
{
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < items.size() && i < selected.size(); ++i)
        if (selected[i])
            entries.push_back(items[i]);
    return entries;
}

} // namespace lv
