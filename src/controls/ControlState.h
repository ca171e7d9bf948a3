#pragma once
// The state of a window's standard controls, held in portable code so that
// what a handler does to them can be tested without a window. The Win32
// views show this state in real controls and report the user's changes back.
#include "base/Geometry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lv {

struct ControlState {
    bool visible = false;
    bool enabled = true;
    // The tip shown when the mouse rests on the control.
    std::string hint;
};

struct CheckBoxState : ControlState {
    bool checked = false;
};

struct LabelState : ControlState {
    std::string caption;
};

struct EditState : ControlState {
    std::string text;
};

// A group of radio buttons; the index of the chosen one, -1 for none.
struct RadioGroupState : ControlState {
    std::vector<std::string> items;
    int itemIndex = -1;

    // As the user sees it: a value above the last choice shows the last
    // choice, a value below -1 shows none.
    void setItemIndex(int value)
    {
        const int count = static_cast<int>(items.size());
        if (value >= count) value = count - 1;
        if (value < -1) value = -1;
        itemIndex = value;
    }
};

// A drop-down list of names; -1 when none is selected.
struct ComboBoxState : ControlState {
    std::vector<std::string> items;
    int itemIndex = -1;

    // As the control takes it: an index outside the items selects none.
    void setItemIndex(int value)
    {
        itemIndex = value >= 0 && value < static_cast<int>(items.size()) ? value : -1;
    }
    // The text of the selected item, empty when none is selected.
    std::string text() const
    {
        return itemIndex >= 0 && itemIndex < static_cast<int>(items.size())
                   ? items[static_cast<std::size_t>(itemIndex)]
                   : std::string();
    }
};

// A list box with multiple selection: the lines, their selected flags and
// the focused line (-1 when the list is empty, a line of it otherwise).
struct ListBoxState : ControlState {
    std::vector<std::string> items;
    std::vector<bool> selected;
    int itemIndex = -1;
    bool extendedSelect = true;

    int count() const { return static_cast<int>(items.size()); }
    bool empty() const { return items.empty(); }
    // The focused line's position, 0 for an empty list.
    int focusIndex() const { return items.empty() ? 0 : std::clamp(itemIndex, 0, count() - 1); }

    void clear()
    {
        items.clear();
        selected.clear();
        itemIndex = -1;
    }
    void setItems(std::vector<std::string> lines)
    {
        items = std::move(lines);
        selected.assign(items.size(), false);
        itemIndex = items.empty() ? -1 : 0;
    }
    int selectedCount() const
    {
        int n = 0;
        for (const bool s : selected)
            n += s ? 1 : 0;
        return n;
    }
    void clearSelection() { selected.assign(items.size(), false); }
    // A new unselected line at position (clamped to the end); the focus keeps
    // its number, so it then names the new line.
    void insert(int position, std::string line)
    {
        const auto at = static_cast<std::size_t>(std::clamp(position, 0, count()));
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
        selected.insert(selected.begin() + static_cast<std::ptrdiff_t>(at), false);
        keepFocusInside();
    }
    void append(std::string line) { insert(count(), std::move(line)); }
    // Removes one line; a focus past the new end moves to the last line.
    void erase(int position)
    {
        const auto at = static_cast<std::ptrdiff_t>(position);
        items.erase(items.begin() + at);
        selected.erase(selected.begin() + at);
        keepFocusInside();
    }
    void keepFocusInside()
    {
        if (items.empty())
            itemIndex = -1;
        else
            itemIndex = std::clamp(itemIndex, 0, count() - 1);
    }
};

// A picture stretched over the control's bounds.
struct ImageState : ControlState {
    Rect bounds;
    // A whole bitmap file; null shows nothing. Replaced, never changed in
    // place, so a view can tell a new picture by the pointer.
    std::shared_ptr<const std::vector<std::uint8_t>> picture;
    // The picture's own size in pixels.
    Size pictureSize;
};

// A number field with a range: a value outside it moves to the nearer bound.
struct SpinEditState : ControlState {
    int minValue = 0;
    int maxValue = 0;
    std::string text;

    void setValue(int value)
    {
        if (value < minValue) value = minValue;
        if (value > maxValue) value = maxValue;
        text = std::to_string(value);
    }
};

} // namespace lv
