// Owners of Win32 handles: each handle is released in exactly one place.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <utility>

namespace vantry {

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::valid(handle_); }
    Handle release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid()) {
        if (Traits::valid(handle_)) Traits::close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::invalid();
};

struct FileHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void close(HANDLE h) { CloseHandle(h); }
};
using UniqueFileHandle = UniqueHandle<HANDLE, FileHandleTraits>;

struct WindowTraits {
    static HWND invalid() { return nullptr; }
    static bool valid(HWND h) { return h != nullptr; }
    static void close(HWND h) { DestroyWindow(h); }
};
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;

template <typename GdiHandle>
struct GdiObjectTraits {
    static GdiHandle invalid() { return nullptr; }
    static bool valid(GdiHandle h) { return h != nullptr; }
    static void close(GdiHandle h) { DeleteObject(h); }
};
template <typename GdiHandle>
using GdiObject = UniqueHandle<GdiHandle, GdiObjectTraits<GdiHandle>>;

struct RegistryKeyTraits {
    static HKEY invalid() { return nullptr; }
    static bool valid(HKEY h) { return h != nullptr; }
    static void close(HKEY h) { RegCloseKey(h); }
};
using UniqueRegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;

struct DeviceContextTraits {
    static HDC invalid() { return nullptr; }
    static bool valid(HDC h) { return h != nullptr; }
    static void close(HDC h) { DeleteDC(h); }
};
// A device context the program created (a printer's), not one borrowed from a window.
using UniqueDeviceContext = UniqueHandle<HDC, DeviceContextTraits>;

struct GlobalMemoryTraits {
    static HGLOBAL invalid() { return nullptr; }
    static bool valid(HGLOBAL h) { return h != nullptr; }
    static void close(HGLOBAL h) { GlobalFree(h); }
};
using UniqueGlobalMemory = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;

// Memory the system allocated with LocalAlloc for the caller (FormatMessageW's text,
// CommandLineToArgvW's list).
template <typename Pointer>
struct LocalMemoryTraits {
    static Pointer invalid() { return nullptr; }
    static bool valid(Pointer p) { return p != nullptr; }
    static void close(Pointer p) { LocalFree(p); }
};
template <typename Pointer>
using UniqueLocalMemory = UniqueHandle<Pointer, LocalMemoryTraits<Pointer>>;

struct DropTraits {
    static HDROP invalid() { return nullptr; }
    static bool valid(HDROP h) { return h != nullptr; }
    static void close(HDROP h) { DragFinish(h); }
};
// The files of a drop, handed back to the shell when done.
using UniqueDrop = UniqueHandle<HDROP, DropTraits>;

// A window's device context (the screen's for nullptr), borrowed until the scope ends.
class WindowDeviceContext {
public:
    explicit WindowDeviceContext(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDeviceContext(const WindowDeviceContext&) = delete;
    WindowDeviceContext& operator=(const WindowDeviceContext&) = delete;
    ~WindowDeviceContext() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context until the scope ends.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;
    ~ScopedSelection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A COM interface pointer that is released once.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (pointer_) pointer_->Release();
    }
    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    Interface** put() {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
        return &pointer_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace vantry
