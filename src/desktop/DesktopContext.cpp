#include "desktop/DesktopContext.h"

#include "config/ConfigFile.h"
#include "imaging/ConvertImage.h"

namespace lv {

DesktopPaths makeDesktopPaths(const std::string& programDirectory, const std::string& windowsDirectory)
{
    return DesktopPaths{programDirectory, windowsDirectory, programDirectory + ConfigFileName,
                        programDirectory + imaging::WallpaperBitmapName};
}

std::optional<std::string> focusedEntry(const ListBoxState& list)
{
    if (list.itemIndex < 0 || list.itemIndex >= static_cast<int>(list.items.size()))
        return std::nullopt;
    return list.items[static_cast<std::size_t>(list.itemIndex)];
}

std::vector<std::string> selectedEntries(const ListBoxState& list)
{
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < list.items.size() && i < list.selected.size(); ++i)
        if (list.selected[i])
            entries.push_back(list.items[i]);
    return entries;
}

} // namespace lv
