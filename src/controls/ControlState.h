#pragma once
// The state of a window's standard controls, held in portable code so that
// what a handler does to them can be tested without a window. The Win32
// views show this state in real controls and report the user's changes back.
#include <string>
#include <utility>
#include <vector>

namespace lv {

struct ControlState {
    bool visible = false;
    bool enabled = true;
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
};

// A list box with multiple selection: the lines, their selected flags and
// the focused line (-1 when the list is empty).
struct ListBoxState : ControlState {
    std::vector<std::string> items;
    std::vector<bool> selected;
    int itemIndex = -1;
    bool extendedSelect = true;

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
