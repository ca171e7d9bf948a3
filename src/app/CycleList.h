#pragma once
// The cycle list the list box shows: its entries, their selection and the
// focus and, for the Wallpaper item, the display mode of every entry. The
// display-mode list lives for the whole run, also while another item's
// list is shown; while the Wallpaper list is shown every change of the
// entries changes it in step, so no handler keeps two lists by hand.
#include "controls/ControlState.h"

#include <optional>
#include <string>
#include <vector>

namespace lv {

class CycleList : public ListBoxState {
public:
    // One code per Wallpaper entry ("0" Centered, "1" Tiled, "2" Stretch).
    std::vector<std::string> displayModes;
    // Whether the entries are the Wallpaper item's, whose modes follow them.
    bool showsWallpaper = false;

    // A new entry at position (clamped to the end), with its display mode
    // when the Wallpaper list is shown; the focus keeps its number.
    void insertEntry(int position, std::string path, const std::string& mode);
    // A new last entry; its mode goes after the last mode.
    void appendEntry(std::string path, const std::string& mode);
    // Removes the entry at position, and its mode.
    void eraseEntry(int position);
    // Swaps two entries and their modes (the selection is the caller's).
    void swapEntries(int first, int second);
    // The mode of the entry at position; none where the list has none.
    std::optional<std::string> mode(int position) const;
    // Sets the entry's mode where it has one.
    void setMode(int position, const std::string& code);

    // The focused entry; none when the list is empty or nothing has the focus.
    std::optional<std::string> focusedEntry() const;
    // The selected entries in list order.
    std::vector<std::string> selectedEntries() const;

private:
    bool hasMode(int position) const
    {
        return showsWallpaper && position >= 0 && position < static_cast<int>(displayModes.size());
    }
};

} // namespace lv
