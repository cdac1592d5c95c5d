#pragma once
// Owning wrappers for the Windows resources the host holds: windows, GDI
// objects, modules and COM interfaces. Each frees its resource exactly once.
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace host {

// A move-only owner of a handle whose release function is `Free`.
template <class Handle, class Free>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle h) noexcept : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != nullptr; }
    // Gives up ownership, e.g. when the system takes the object over.
    Handle release() noexcept { return std::exchange(h_, nullptr); }
    void reset(Handle h = nullptr) noexcept {
        if (h_ && h_ != h) Free{}(h_);
        h_ = h;
    }

private:
    Handle h_ = nullptr;
};

struct DestroyWindowFree {
    void operator()(HWND h) const noexcept { ::DestroyWindow(h); }
};
struct DeleteObjectFree {
    void operator()(HGDIOBJ h) const noexcept { ::DeleteObject(h); }
};
struct FreeLibraryFree {
    void operator()(HMODULE h) const noexcept { ::FreeLibrary(h); }
};
struct DeleteDcFree {
    void operator()(HDC h) const noexcept { ::DeleteDC(h); }
};

using UniqueWindow = UniqueHandle<HWND, DestroyWindowFree>;
using UniqueFont = UniqueHandle<HFONT, DeleteObjectFree>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteObjectFree>;
using UniquePen = UniqueHandle<HPEN, DeleteObjectFree>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteObjectFree>;
using UniqueRegion = UniqueHandle<HRGN, DeleteObjectFree>;
using UniqueModule = UniqueHandle<HMODULE, FreeLibraryFree>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDcFree>;

// A window's (or the screen's) device context for one scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects a GDI object into a DC for one scope and puts the old one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(::SelectObject(dc, obj)) {}
    ~SelectedObject() { ::SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A small owning COM interface pointer.
template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr& other) noexcept : p_(other.p_) {
        if (p_) p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    // For functions that hand out a new reference: releases any held one.
    T** put() noexcept {
        reset();
        return &p_;
    }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }
    void reset() noexcept {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

private:
    T* p_ = nullptr;
};

// Balances CoInitializeEx for the thread when it succeeded.
class ComApartment {
public:
    ComApartment() noexcept : ok_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (ok_) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

} // namespace host
