#pragma once
// The one family of owners of the system's handles. Each is move-only,
// releases what it owns exactly once and restores what it selected,
// whatever path the code leaves by (a paint handler that throws included).
#include <windows.h>
#include <shellapi.h>

#include <utility>

namespace lv::win32 {

template <typename T, typename Traits>
class UniqueResource {
public:
    UniqueResource() = default;
    explicit UniqueResource(T value) : value_(value) {}
    ~UniqueResource() { reset(); }
    UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    T get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::invalid(); }
    T release() { return std::exchange(value_, Traits::invalid()); }
    void reset(T value = Traits::invalid())
    {
        if (value_ != Traits::invalid()) Traits::close(value_);
        value_ = value;
    }
    // For functions that hand a new handle back through a pointer.
    T* put()
    {
        reset();
        return &value_;
    }

private:
    T value_ = Traits::invalid();
};

struct RegKeyTraits {
    static HKEY invalid() { return nullptr; }
    static void close(HKEY key) { RegCloseKey(key); }
};
using UniqueRegKey = UniqueResource<HKEY, RegKeyTraits>;

// Kernel objects whose failure value is null (processes, mutexes, events).
struct KernelHandleTraits {
    static HANDLE invalid() { return nullptr; }
    static void close(HANDLE handle) { CloseHandle(handle); }
};
using UniqueHandle = UniqueResource<HANDLE, KernelHandleTraits>;

// CreateFile fails with INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE handle) { CloseHandle(handle); }
};
using UniqueFile = UniqueResource<HANDLE, FileHandleTraits>;

struct FindHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE handle) { FindClose(handle); }
};
using UniqueFind = UniqueResource<HANDLE, FindHandleTraits>;

// The names of files dropped on a window.
struct DropTraits {
    static HDROP invalid() { return nullptr; }
    static void close(HDROP drop) { DragFinish(drop); }
};
using UniqueDrop = UniqueResource<HDROP, DropTraits>;

// A menu the program made (a pop-up menu); a window's own menu goes with it.
struct MenuTraits {
    static HMENU invalid() { return nullptr; }
    static void close(HMENU menu) { DestroyMenu(menu); }
};
using UniqueMenu = UniqueResource<HMENU, MenuTraits>;

template <class Handle>
struct GdiObjectTraits {
    static Handle invalid() { return nullptr; }
    static void close(Handle handle) { DeleteObject(handle); }
};
// An owned pen, brush, font, bitmap or region. Delete it only while no DC
// has it selected: declare the holder before the SelectedObject that uses it.
template <class Handle>
using GdiObject = UniqueResource<Handle, GdiObjectTraits<Handle>>;

struct MemoryDcTraits {
    static HDC invalid() { return nullptr; }
    static void close(HDC dc) { DeleteDC(dc); }
};

// A memory device context compatible with another one.
class MemoryDC : public UniqueResource<HDC, MemoryDcTraits> {
public:
    MemoryDC() = default;
    explicit MemoryDC(HDC compatibleWith) : UniqueResource(CreateCompatibleDC(compatibleWith)) {}
};

// A window's client-area device context (the screen's for no window),
// given back to the window system at the end.
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { reset(); }
    WindowDC(WindowDC&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr))
    {
    }
    WindowDC& operator=(WindowDC&& other) noexcept
    {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

private:
    void reset()
    {
        if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
    }

    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { reset(); }
    PaintDC(PaintDC&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), paint_(other.paint_), dc_(std::exchange(other.dc_, nullptr))
    {
    }
    PaintDC& operator=(PaintDC&& other) noexcept
    {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
            paint_ = other.paint_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return dc_; }
    const PAINTSTRUCT& paint() const { return paint_; }

private:
    void reset()
    {
        if (window_) EndPaint(std::exchange(window_, nullptr), &paint_);
        dc_ = nullptr;
    }

    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a device context; the previous one is selected
// again at the end.
class SelectedObject {
public:
    SelectedObject() = default;
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { restore(); }
    SelectedObject(SelectedObject&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr))
    {
    }
    SelectedObject& operator=(SelectedObject&& other) noexcept
    {
        if (this != &other) {
            restore();
            dc_ = std::exchange(other.dc_, nullptr);
            previous_ = std::exchange(other.previous_, nullptr);
        }
        return *this;
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    void restore()
    {
        if (dc_ && previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
        dc_ = nullptr;
        previous_ = nullptr;
    }

    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// An off-screen bitmap compatible with a target DC, selected into its own
// memory DC: a whole picture is drawn here and copied to the screen once,
// so nothing flickers. Members go in reverse order: the bitmap is
// deselected before it is deleted, and deleted before its DC.
class MemoryCanvas {
public:
    MemoryCanvas() = default;
    MemoryCanvas(HDC target, int width, int height)
        : dc_(target), bitmap_(CreateCompatibleBitmap(target, width, height)), selection_(dc_.get(), bitmap_.get())
    {
    }
    MemoryCanvas(MemoryCanvas&&) noexcept = default;
    MemoryCanvas& operator=(MemoryCanvas&& other) noexcept
    {
        if (this != &other) {
            // Let the old picture go in its own order first; then every
            // member here is empty and only takes over.
            MemoryCanvas gone(std::move(*this));
            dc_ = std::move(other.dc_);
            bitmap_ = std::move(other.bitmap_);
            selection_ = std::move(other.selection_);
        }
        return *this;
    }

    HDC get() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    bool valid() const { return dc_ && bitmap_; }

private:
    MemoryDC dc_;
    GdiObject<HBITMAP> bitmap_;
    SelectedObject selection_;
};

// Owns one reference to a COM object.
template <typename I>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    I* get() const { return ptr_; }
    I* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    void reset()
    {
        if (ptr_) std::exchange(ptr_, nullptr)->Release();
    }
    // For CoCreateInstance and QueryInterface.
    void** put()
    {
        reset();
        return reinterpret_cast<void**>(&ptr_);
    }

private:
    I* ptr_ = nullptr;
};

} // namespace lv::win32
