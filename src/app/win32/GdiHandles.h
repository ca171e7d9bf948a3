#pragma once
// Small owners for device contexts and GDI objects: each releases what it
// owns and restores what it selected, also when a paint handler throws.
#include <windows.h>

#include <utility>

namespace lv::win32 {

// An owned GDI object (pen, brush, font, bitmap, region).
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    void reset()
    {
        if (handle_)
            DeleteObject(handle_);
        handle_ = nullptr;
    }

    Handle handle_ = nullptr;
};

// Selects an object into a device context for one scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection()
    {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintContext {
public:
    explicit PaintContext(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;
    ~PaintContext() { EndPaint(window_, &paint_); }

    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory device context owned by its creator.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc()
    {
        if (dc_)
            DeleteDC(dc_);
    }

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// An off-screen bitmap compatible with a target DC: the whole client area
// is drawn here and copied to the screen once, so nothing flickers.
// Members are released in reverse order: the bitmap is deselected before
// it is deleted, and deleted before its DC.
class MemoryCanvas {
public:
    MemoryCanvas(HDC target, int width, int height)
        : dc_(target), bitmap_(CreateCompatibleBitmap(target, width, height)), selection_(dc_.get(), bitmap_.get())
    {
    }

    HDC dc() const { return dc_.get(); }
    bool valid() const { return dc_.get() && bitmap_; }

private:
    MemoryDc dc_;
    GdiObject<HBITMAP> bitmap_;
    Selection selection_;
};

} // namespace lv::win32
