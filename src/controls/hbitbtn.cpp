#include "controls/hbitbtn.h"

#include <cctype>

namespace lv {

namespace {

char upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

char acceleratorOf(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return upper(caption[i + 1]);
    }
    return 0;
}

void Thbitbtn::setBitmap_Idle(Picture picture)
{
    bitmapIdle_ = std::move(picture);
    idlePictureChanged();
}

void Thbitbtn::setCaption(const std::string& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    invalidate();
}

void Thbitbtn::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    // A disabled button hears no release: a press it held ends here.
    if (!enabled_)
        pressed_ = Released;
    invalidate();
}

void Thbitbtn::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    // Hidden, it must leave its place to the parent's picture.
    if (!visible && surface_)
        surface_->invalidate(*this);
    visible_ = visible;
    invalidate();
}

void Thbitbtn::setBounds(Rect bounds)
{
    if (autoSize_ && !loading_ && !bitmapIdle_.empty()) {
        bounds.width = bitmapIdle_.width();
        bounds.height = bitmapIdle_.height();
    }
    if (bounds == bounds_)
        return;
    invalidate(); // the old place
    bounds_ = bounds;
    invalidate();
}

void Thbitbtn::loaded()
{
    loading_ = false;
    idlePictureChanged();
}

void Thbitbtn::idlePictureChanged()
{
    setBounds(bounds_);
    if (loading_)
        return;
    if (bitmapIdle_.empty()) {
        bitmapUp_ = Picture();
        bitmapDown_ = Picture();
    } else {
        const int w = bitmapIdle_.width();
        const int h = bitmapIdle_.height();
        if (bitmapUp_.width() != w || bitmapUp_.height() != h || bitmapDown_.width() != w ||
            bitmapDown_.height() != h) {
            bitmapUp_.setSize(w, h);
            bitmapDown_.setSize(w, h);
        }
    }
    invalidate();
}

void Thbitbtn::mouseDown(MouseButton button, Point at, unsigned keys)
{
    // A disabled button takes no presses at all.
    if (!enabled_)
        return;
    if (OnMouseDown)
        OnMouseDown(button, at, keys);
    if (button == MouseButton::Left) {
        pressed_ = HeldDown;
        repaint();
    }
}

void Thbitbtn::mouseMove(Point at, unsigned keys)
{
    if (OnMouseMove)
        OnMouseMove(MouseButton::Left, at, keys);
}

void Thbitbtn::mouseUp(MouseButton button, Point at, unsigned keys)
{
    if (!enabled_)
        return;
    if (OnMouseUp)
        OnMouseUp(button, at, keys);
    if (pressed_ == HeldDown) {
        pressed_ = Released;
        repaint();
    }
    // Any button released over the control clicks; one released after the
    // mouse left does not.
    if (mouseInside_)
        click();
}

void Thbitbtn::cancelPress()
{
    if (pressed_ == Released)
        return;
    pressed_ = Released;
    repaint();
}

void Thbitbtn::mouseEnter()
{
    mouseInside_ = true;
    repaint();
}

void Thbitbtn::mouseLeave()
{
    mouseInside_ = false;
    repaint();
}

void Thbitbtn::click()
{
    if (OnClick)
        OnClick();
}

bool Thbitbtn::dialogChar(char character)
{
    const char accelerator = acceleratorOf(caption_);
    if (!accelerator || !enabled_ || upper(character) != accelerator)
        return false;
    click();
    return true;
}

const Picture* Thbitbtn::pictureToPaint() const
{
    const Picture& chosen = !mouseInside_ ? bitmapIdle_ : (pressed_ != Released ? bitmapDown_ : bitmapUp_);
    return chosen.empty() ? nullptr : &chosen;
}

Rect Thbitbtn::captionRect() const
{
    Rect r{0, 0, bounds_.width, bounds_.height};
    if (pressed_ == HeldDown) {
        r.left += 1;
        r.top += 1;
    }
    return r;
}

void Thbitbtn::invalidate()
{
    if (visible_ && surface_)
        surface_->invalidate(*this);
}

void Thbitbtn::repaint()
{
    if (visible_ && surface_)
        surface_->repaint(*this);
}

} // namespace lv
