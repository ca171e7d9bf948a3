#pragma once
// Move-only owners of the system's handles: each releases what it owns
// exactly once, whatever path the code leaves by.
#include <windows.h>

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

// The screen's device context, released to the window system.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC()
    {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
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
