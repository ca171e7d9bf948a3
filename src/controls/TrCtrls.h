#pragma once
// Transparent controls: radio groups, radio buttons, check boxes and group
// boxes that let their window's picture show through everywhere except
// where they draw something of their own. This is what they decide; the
// Win32 side paints them and watches the messages that make them refresh.
#include "base/Geometry.h"
#include "controls/Picture.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lv {

// The window messages the rules below name, by their numbers in the window
// system (the Win32 build checks them against <windows.h>).
constexpr unsigned MessageMove = 0x0003;  // WM_MOVE
constexpr unsigned MessageSize = 0x0005;  // WM_SIZE
constexpr unsigned MessagePaint = 0x000F; // WM_PAINT
constexpr unsigned MessageUser = 0x0400;  // WM_USER, the first private message
// The notifications a control framework reflects back to the control that
// sent them (its base 0xBC00 plus the original message number).
constexpr unsigned FirstReflectedMessage = 0xBC00 + 0x0001;
constexpr unsigned LastReflectedMessage = 0xBC00 + 0x01F3;

// The private message that makes a transparent control take its background
// again and repaint.
constexpr unsigned TransparentRefreshMessage = MessageUser + 2;

// The messages to other controls after which a transparent control may be
// showing a stale background: moved, resized, painted, and the framework's
// reflected notifications.
bool isRefreshTrigger(unsigned message);

// Where the background under a control is taken from its parent's picture:
// one pixel right of and below the control's own place.
Rect captureClip(const Rect& control);
Point captureSource(const Rect& control);

// The see-through step: the control's own look (foreground) over the
// background, except where the foreground has the colour of its
// bottom-left pixel. Both pictures have the control's size.
Picture compose(const Picture& background, const Picture& foreground);

// Controls that want refresh notices, in the order they asked. The message
// watch exists while the list is not empty.
class WatchedControls {
public:
    using Control = std::uintptr_t;

    WatchedControls(std::function<void()> installWatch, std::function<void()> removeWatch);
    void add(Control control);
    void remove(Control control);
    const std::vector<Control>& controls() const { return controls_; }

private:
    std::vector<Control> controls_;
    std::function<void()> installWatch_;
    std::function<void()> removeWatch_;
};

// Whether a message to `target` makes watched control `watched` refresh:
// a message to its owner (other than a move), or to a sibling whose window
// overlaps it.
struct WatchedWindow {
    std::uintptr_t owner = 0;
    Rect screenRect;
};
bool refreshesWatched(unsigned message, std::uintptr_t target, std::uintptr_t targetOwner, const Rect& targetRect,
                      const WatchedWindow& watched);

// Where a transparent control takes its background from. Its ancestors are
// given from its parent (0) outwards, each with whether it is a transparent
// control. The answer is the outermost of the transparent containers that
// follow the parent without a break, or the parent itself: when that one is
// transparent the control shows the container's cached picture at its own
// place; otherwise it takes the picture from under itself.
std::size_t backgroundContainer(const std::vector<bool>& ancestorsTransparent);

// The `Transparent` switch every transparent control owns, with its
// background cache flag.
class TTransObject {
public:
    explicit TTransObject(std::function<void(bool on)> onChanged = {}) : onChanged_(std::move(onChanged)) {}
    bool Transparent() const { return transparent_; }
    void setTransparent(bool on);
    bool needsCapture = true;

private:
    bool transparent_ = true;
    std::function<void(bool on)> onChanged_;
};

// The radio group's logic: items, the chosen one, columns and the places
// of its buttons.
class TCustomTrRadioGroup {
public:
    static constexpr int MaxColumns = 16;

    const std::vector<std::string>& Items() const { return items_; }
    void setItems(std::vector<std::string> items);

    int ItemIndex() const { return itemIndex_; }
    void setItemIndex(int value);

    int Columns() const { return columns_; }
    void setColumns(int value);

    // While the group is read from a layout, values are stored as given.
    void setReading(bool reading) { reading_ = reading; }
    // Reading done: the buttons follow the items.
    void loaded();

    int buttonCount() const { return static_cast<int>(checked_.size()); }
    bool buttonChecked(int index) const;
    // A button was clicked by the user.
    void buttonClicked(int index);

    // The buttons' places inside a group of that size, whose font's text is
    // fontHeight pixels high; empty when there are no buttons.
    std::vector<Rect> layout(Size group, int fontHeight) const;

    std::function<void()> OnClick;
    // The buttons changed: their number, checks or places.
    std::function<void()> OnButtonsChanged;

private:
    void updateButtons();
    void check(int index, bool on);

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool reading_ = false;
    bool updating_ = false;
    std::vector<bool> checked_;
};

using TTrRadioGroup = TCustomTrRadioGroup;

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// The check box's state: a click steps unchecked -> (grayed, when allowed)
// -> checked -> unchecked. Every change of state is a click for OnClick,
// whether the user or the program made it.
class TCustomTrCheckBox {
public:
    TCheckBoxState State() const { return state_; }
    void setState(TCheckBoxState value);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void setChecked(bool value);
    bool AllowGrayed() const { return allowGrayed_; }
    void setAllowGrayed(bool value) { allowGrayed_ = value; }
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string value) { caption_ = std::move(value); }

    // What a click on the box does.
    void Toggle();

    std::function<void()> OnClick;
    // The box must show the new state.
    std::function<void()> OnStateChanged;

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool allowGrayed_ = false;
    std::string caption_;
};

class TTrCheckBox : public TCustomTrCheckBox {};

// A radio button: checking it turns its sibling radio buttons off and is a
// click; a click on a button already checked changes nothing.
class TTrRadioButton {
public:
    bool Checked() const { return checked_; }
    void setChecked(bool value);
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string value) { caption_ = std::move(value); }

    // What a click on the button does.
    void click() { setChecked(true); }

    std::function<void()> OnClick;
    std::function<void()> OnCheckChanged;
    // Unchecks the other radio buttons of the same parent.
    std::function<void()> TurnSiblingsOff;

private:
    bool checked_ = false;
    std::string caption_;
};

// One button of a radio group: the group refreshes it, so it is never
// watched itself.
class TTrGroupButton : public TTrRadioButton {};

// A group box: a frame line with its caption over the frame's top edge,
// always transparent.
class TCustomTrGroupBox {
public:
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string value) { caption_ = std::move(value); }

    // The frame line's rectangle in a box of that size whose font's text is
    // textHeight pixels high: its top edge runs through the caption's middle.
    static Rect frame(Size box, int textHeight);
    // Where the caption is written: 8 pixels in from the left, at the top.
    static Rect captionPlace(Size text);

private:
    std::string caption_;
};

class TTrGroupBox : public TCustomTrGroupBox {};

} // namespace lv
