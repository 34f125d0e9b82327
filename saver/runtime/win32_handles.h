#pragma once
// Owners for the Win32 handles the saver holds: each frees its handle in the one way the
// platform wants, once, when it goes away.
#include <windows.h>

#include <type_traits>
#include <utility>

// Owns one handle, move-only, and gives it to `Release` when it goes. Null is no handle; so is
// INVALID_HANDLE_VALUE for kernel objects, which some functions return on failure instead.
template <typename Handle, auto Release>
class UniqueOwner {
public:
    UniqueOwner() = default;
    explicit UniqueOwner(Handle handle) : handle_(IsHandle(handle) ? handle : nullptr) {}
    ~UniqueOwner() { reset(); }
    UniqueOwner(UniqueOwner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset() {
        if (handle_ != nullptr) {
            Release(handle_);
        }
        handle_ = nullptr;
    }

private:
    static bool IsHandle(Handle handle) {
        if constexpr (std::is_same_v<Handle, HANDLE>) {
            return handle != nullptr && handle != INVALID_HANDLE_VALUE;
        } else {
            return handle != nullptr;
        }
    }

    Handle handle_ = nullptr;
};

namespace win32_release {

inline void KernelObject(HANDLE handle) {
    CloseHandle(handle);
}
inline void MemoryDc(HDC dc) {
    DeleteDC(dc);
}
// A GDI object must no longer be selected into a device context by then.
inline void GdiObject(HGDIOBJ object) {
    DeleteObject(object);
}

}  // namespace win32_release

// A kernel object (process, file), closed with CloseHandle.
using UniqueHandle = UniqueOwner<HANDLE, &win32_release::KernelObject>;
// A memory device context from CreateCompatibleDC, deleted with DeleteDC.
using MemoryDc = UniqueOwner<HDC, &win32_release::MemoryDc>;
// A GDI object (bitmap, brush, font), deleted with DeleteObject.
template <typename Handle>
using GdiObject = UniqueOwner<Handle, &win32_release::GdiObject>;

// A window's device context from GetDC for the length of a scope, given back with ReleaseDC
// to the same window (null: the screen's).
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};
