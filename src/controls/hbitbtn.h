#pragma once
// `Thbitbtn`: the window-less push button of the skinned windows. It has no
// look of its own: it shows one of three pictures, chosen by whether the
// mouse is over it and whether it is held down. This is its behaviour; the
// Win32 view paints it on its parent's surface and feeds it the mouse.
#include "base/Geometry.h"
#include "controls/Picture.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace lv {

enum class MouseButton { Left, Right, Middle };

class Thbitbtn;

// Where the button lives: its parent's surface.
class ButtonSurface {
public:
    virtual ~ButtonSurface() = default;
    // Marks the button's rectangle for repainting, background erased.
    virtual void invalidate(const Thbitbtn& button) = 0;
    // Repaints the button's rectangle before returning.
    virtual void repaint(const Thbitbtn& button) = 0;
};

class Thbitbtn {
public:
    static constexpr std::uint8_t Released = 0;
    static constexpr std::uint8_t HeldDown = 2;

    using MouseEvent = std::function<void(MouseButton, Point, unsigned keys)>;

    Thbitbtn() = default;
    Thbitbtn(const Thbitbtn&) = delete;
    Thbitbtn& operator=(const Thbitbtn&) = delete;

    void setSurface(ButtonSurface* surface) { surface_ = surface; }

    // The pictures: assigning copies the given picture.
    const Picture& Bitmap_Up() const { return bitmapUp_; }
    const Picture& Bitmap_Down() const { return bitmapDown_; }
    const Picture& Bitmap_Idle() const { return bitmapIdle_; }
    // Taken by value: a picture read for the button moves in uncopied.
    void setBitmap_Up(Picture picture) { bitmapUp_ = std::move(picture); }
    void setBitmap_Down(Picture picture) { bitmapDown_ = std::move(picture); }
    void setBitmap_Idle(Picture picture);

    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void setVisible(bool visible);

    std::string Name;
    std::string Hint;
    bool ShowHint = true;

    std::function<void()> OnClick;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseMove;
    MouseEvent OnMouseUp;

    // Position and size on the parent. Unless the button is being read from
    // a layout, a button with an idle picture takes that picture's size.
    const Rect& bounds() const { return bounds_; }
    void setBounds(Rect bounds);
    void setLoading(bool loading) { loading_ = loading; }
    // Ends reading the layout: runs the idle-picture rules once.
    void loaded();

    bool mouseInside() const { return mouseInside_; }
    std::uint8_t pressedState() const { return pressed_; }

    // The mouse, in the button's own coordinates.
    void mouseDown(MouseButton button, Point at, unsigned keys = 0);
    void mouseMove(Point at, unsigned keys = 0);
    void mouseUp(MouseButton button, Point at, unsigned keys = 0);
    // The mouse was taken away while the button was held (another window
    // took it, the system cancelled the mode): the press ends, no click.
    void cancelPress();
    void mouseEnter();
    void mouseLeave();
    void click();

    // A dialog character: true when it was this button's accelerator and
    // the button clicked.
    bool dialogChar(char character);

    // What to paint: the chosen picture, or null when it is empty (the
    // parent's surface then shows through).
    const Picture* pictureToPaint() const;
    // Where the caption goes, in the button's coordinates: one pixel right
    // and down while it is held.
    Rect captionRect() const;

private:
    void idlePictureChanged();
    void invalidate();
    void repaint();

    // Fields in the order the button has always kept them.
    bool autoSize_ = true;
    Picture bitmapIdle_;
    Picture bitmapUp_;
    Picture bitmapDown_;
    bool mouseInside_ = false;
    std::uint8_t pressed_ = Released;

    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool loading_ = false;
    Rect bounds_{0, 0, 50, 50};
    ButtonSurface* surface_ = nullptr;
};

// The accelerator character of a caption: the character after a single
// "&" ("&&" is a plain ampersand), upper-cased; 0 when there is none.
char acceleratorOf(const std::string& caption);

} // namespace lv
