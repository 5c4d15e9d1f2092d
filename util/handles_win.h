#pragma once
// Owners of Windows handles, for the Win32 modules only (portable code never includes this).
// Each handle has exactly one owner, which releases it in its destructor; owners can be
// moved, never copied, so no handle is ever released twice.

#include <windows.h>

#include <utility>

template <typename Handle, auto ReleaseHandle>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Releases the handle held and takes this one.
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) ReleaseHandle(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }

using OwnedIcon = UniqueHandle<HICON, DestroyIconHandle>;  // from LoadImage without LR_SHARED
using OwnedBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using OwnedFont = UniqueHandle<HFONT, DeleteGdiObject>;

// A window's device context from GetDC, released to its window.
class WindowDC {
public:
    WindowDC() = default;
    WindowDC(WindowDC&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&& other) noexcept {
        if (this != &other) {
            Release();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() { Release(); }

    // Takes the window's device context; one taken before is released first.
    void Take(HWND window) {
        Release();
        window_ = window;
        dc_ = GetDC(window);
    }
    void Release() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
        dc_ = nullptr;
        window_ = nullptr;
    }
    HDC Get() const { return dc_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a device context for a scope and puts the displaced one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc ? SelectObject(dc, object) : nullptr) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (dc_ != nullptr && old_ != nullptr) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};
