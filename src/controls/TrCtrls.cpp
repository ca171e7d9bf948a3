#include "controls/TrCtrls.h"

#include <algorithm>

namespace lv {

namespace {

bool intersects(const Rect& a, const Rect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height && a.width > 0 && a.height > 0 && b.width > 0 && b.height > 0;
}

} // namespace

bool isRefreshTrigger(unsigned message)
{
    return message == MessageMove || message == MessageSize || message == MessagePaint ||
           (message >= FirstReflectedMessage && message <= LastReflectedMessage);
}

Rect captureClip(const Rect& control)
{
    return {control.left, control.top, control.width + 1, control.height + 1};
}

Point captureSource(const Rect& control)
{
    return {control.left + 1, control.top + 1};
}

Picture compose(const Picture& background, const Picture& foreground)
{
    Picture result = background;
    if (foreground.empty())
        return result;
    const Colour seeThrough = foreground.pixel(0, foreground.height() - 1);
    for (int y = 0; y < foreground.height() && y < result.height(); ++y)
        for (int x = 0; x < foreground.width() && x < result.width(); ++x)
            if (foreground.pixel(x, y) != seeThrough)
                result.setPixel(x, y, foreground.pixel(x, y));
    return result;
}

WatchedControls::WatchedControls(std::function<void()> installWatch, std::function<void()> removeWatch)
    : installWatch_(std::move(installWatch)), removeWatch_(std::move(removeWatch))
{
}

void WatchedControls::add(Control control)
{
    if (std::find(controls_.begin(), controls_.end(), control) != controls_.end())
        return;
    controls_.push_back(control);
    if (controls_.size() == 1 && installWatch_)
        installWatch_();
}

void WatchedControls::remove(Control control)
{
    const auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    controls_.erase(it);
    if (controls_.empty() && removeWatch_)
        removeWatch_();
}

bool refreshesWatched(unsigned message, std::uintptr_t target, std::uintptr_t targetOwner, const Rect& targetRect,
                      const WatchedWindow& watched)
{
    if (!isRefreshTrigger(message))
        return false;
    if (target == watched.owner && message != MessageMove)
        return true;
    return targetOwner == watched.owner && intersects(targetRect, watched.screenRect);
}

std::size_t backgroundContainer(const std::vector<bool>& ancestorsTransparent)
{
    std::size_t container = 0;
    while (container + 1 < ancestorsTransparent.size() && ancestorsTransparent[container + 1])
        ++container;
    return container;
}

void TTransObject::setTransparent(bool on)
{
    if (on == transparent_)
        return;
    transparent_ = on;
    needsCapture = true;
    if (onChanged_)
        onChanged_(on);
}

void TCustomTrRadioGroup::setItems(std::vector<std::string> items)
{
    items_ = std::move(items);
    if (reading_)
        return;
    if (itemIndex_ >= static_cast<int>(items_.size()))
        itemIndex_ = static_cast<int>(items_.size()) - 1;
    updateButtons();
}

void TCustomTrRadioGroup::loaded()
{
    reading_ = false;
    updateButtons();
}

void TCustomTrRadioGroup::setItemIndex(int value)
{
    if (reading_) {
        itemIndex_ = value;
        return;
    }
    value = std::clamp(value, -1, buttonCount() - 1);
    if (value == itemIndex_)
        return;
    check(itemIndex_, false);
    itemIndex_ = value;
    check(itemIndex_, true);
    if (OnButtonsChanged)
        OnButtonsChanged();
}

void TCustomTrRadioGroup::setColumns(int value)
{
    value = std::clamp(value, 1, MaxColumns);
    if (value == columns_)
        return;
    columns_ = value;
    if (OnButtonsChanged)
        OnButtonsChanged();
}

bool TCustomTrRadioGroup::buttonChecked(int index) const
{
    return index >= 0 && index < buttonCount() && checked_[static_cast<std::size_t>(index)];
}

void TCustomTrRadioGroup::check(int index, bool on)
{
    if (index >= 0 && index < buttonCount())
        checked_[static_cast<std::size_t>(index)] = on;
}

void TCustomTrRadioGroup::buttonClicked(int index)
{
    if (updating_ || index < 0 || index >= buttonCount())
        return;
    // A radio button checks itself when clicked: the group follows it.
    if (itemIndex_ != index) {
        check(itemIndex_, false);
        itemIndex_ = index;
        check(itemIndex_, true);
    }
    if (OnClick)
        OnClick();
}

void TCustomTrRadioGroup::updateButtons()
{
    updating_ = true;
    checked_.assign(items_.size(), false);
    check(itemIndex_, true);
    updating_ = false;
    if (OnButtonsChanged)
        OnButtonsChanged();
}

std::vector<Rect> TCustomTrRadioGroup::layout(Size group, int fontHeight) const
{
    const int n = buttonCount();
    if (n == 0 || reading_)
        return {};
    const int c = columns_;
    const int perColumn = (n + c - 1) / c;
    const int width = (group.width - 10) / c;
    const int freeHeight = group.height - fontHeight - 5;
    const int height = freeHeight / perColumn;
    const int topMargin = fontHeight + 1 + (freeHeight % perColumn) / 2;
    std::vector<Rect> places;
    for (int i = 0; i < n; ++i)
        places.push_back({(i / perColumn) * width + 8, (i % perColumn) * height + topMargin, width, height});
    return places;
}

void TCustomTrCheckBox::setState(TCheckBoxState value)
{
    if (value == state_)
        return;
    state_ = value;
    if (OnStateChanged)
        OnStateChanged();
    if (OnClick)
        OnClick();
}

void TCustomTrCheckBox::setChecked(bool value)
{
    setState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCustomTrCheckBox::Toggle()
{
    switch (state_) {
    case TCheckBoxState::cbUnchecked:
        setState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked:
        setState(TCheckBoxState::cbUnchecked);
        break;
    case TCheckBoxState::cbGrayed:
        setState(TCheckBoxState::cbChecked);
        break;
    }
}

void TTrRadioButton::setChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    if (OnCheckChanged)
        OnCheckChanged();
    if (!value)
        return;
    if (TurnSiblingsOff)
        TurnSiblingsOff();
    if (OnClick)
        OnClick();
}

Rect TCustomTrGroupBox::frame(Size box, int textHeight)
{
    const int top = textHeight / 2 - 1;
    return {0, top, box.width, box.height - top};
}

Rect TCustomTrGroupBox::captionPlace(Size text)
{
    return {8, 0, text.width, text.height};
}

} // namespace lv
