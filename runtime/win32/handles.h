#pragma once
// Owners for the Windows resources the programs hold. One move-only template
// takes the close function and the value that means "none"; each kind of
// handle is a one-line alias of it. COM interfaces have their own pointer.
#include <windows.h>
#include <objbase.h>

#include <cstdint>
#include <type_traits>
#include <utility>

namespace host {

// Owns one handle and closes it exactly once with `Close`. `Invalid` is the
// value of "no handle": by default the handle type's zero value; for pointer
// handles it may be given as an integer (-1 for INVALID_HANDLE_VALUE), since
// a pointer made from an integer cannot be a template argument.
template <class Handle, auto Close, auto Invalid = Handle{}>
class Unique {
public:
    static Handle invalid() noexcept {
        if constexpr (std::is_pointer_v<Handle> && std::is_integral_v<decltype(Invalid)>)
            return reinterpret_cast<Handle>(static_cast<std::intptr_t>(Invalid));
        else
            return Invalid;
    }

    Unique() noexcept = default;
    explicit Unique(Handle h) noexcept : h_(h) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : h_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    const Handle& get() const noexcept { return h_; }
    // For functions that hand the handle out through a pointer: whatever
    // was held is closed first.
    Handle* put() noexcept {
        reset();
        return &h_;
    }
    explicit operator bool() const noexcept { return !(h_ == invalid()); }
    // Gives up ownership, e.g. when the system takes the object over or the
    // caller wants to see what closing reports.
    Handle release() noexcept { return std::exchange(h_, invalid()); }
    void reset(Handle h = invalid()) noexcept {
        if (*this && !(h_ == h)) Close(h_);
        h_ = h;
    }

private:
    Handle h_ = invalid();
};

// A window's (or the screen's) device context from GetDC.
struct WindowDcHandle {
    HWND window = nullptr;
    HDC dc = nullptr;
    bool operator==(const WindowDcHandle&) const = default;
};
inline void releaseWindowDc(const WindowDcHandle& h) noexcept { ::ReleaseDC(h.window, h.dc); }

// A device context from BeginPaint, with the paint information it needs back.
struct PaintDcHandle {
    HWND window = nullptr;
    PAINTSTRUCT paint{};
    bool operator==(const PaintDcHandle& other) const noexcept {
        return window == other.window && paint.hdc == other.paint.hdc;
    }
};
inline void endPaint(const PaintDcHandle& h) noexcept { ::EndPaint(h.window, &h.paint); }

// A GDI object selected into a DC; closing puts the previous one back.
struct SelectionHandle {
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
    bool operator==(const SelectionHandle&) const = default;
};
inline void restoreSelection(const SelectionHandle& h) noexcept { ::SelectObject(h.dc, h.previous); }

// Blocks the system allocates for the caller with LocalAlloc (FormatMessage,
// CommandLineToArgvW).
inline void freeLocal(void* block) noexcept { ::LocalFree(block); }

using UniqueFile = Unique<HANDLE, &::CloseHandle, -1>;  // CreateFile and friends
using UniqueHandle = Unique<HANDLE, &::CloseHandle>;    // events, processes, threads
using UniqueFind = Unique<HANDLE, &::FindClose, -1>;    // FindFirstFile and friends
template <class T>
using UniqueLocal = Unique<T*, &freeLocal>;
// Blocks the shell and COM hand out with CoTaskMemAlloc (known folders, the
// names a file dialog reports).
template <class T>
using UniqueTaskMemory = Unique<T*, &::CoTaskMemFree>;
using UniqueWindow = Unique<HWND, &::DestroyWindow>;
using UniqueModule = Unique<HMODULE, &::FreeLibrary>;
using UniqueKey = Unique<HKEY, &::RegCloseKey>;
using UniqueFont = Unique<HFONT, &::DeleteObject>;
using UniqueBrush = Unique<HBRUSH, &::DeleteObject>;
using UniquePen = Unique<HPEN, &::DeleteObject>;
using UniqueRegion = Unique<HRGN, &::DeleteObject>;
using UniqueWindowDc = Unique<WindowDcHandle, &releaseWindowDc>;
using UniquePaintDc = Unique<PaintDcHandle, &endPaint>;
using UniqueSelection = Unique<SelectionHandle, &restoreSelection>;

// The process and the first thread CreateProcess hands out, each closed once.
struct StartedProcess {
    UniqueHandle process;
    UniqueHandle thread;
};
inline StartedProcess ownStarted(const PROCESS_INFORMATION& started) noexcept {
    return {UniqueHandle(started.hProcess), UniqueHandle(started.hThread)};
}

inline UniqueWindowDc windowDc(HWND window) noexcept {
    HDC dc = ::GetDC(window);
    return dc ? UniqueWindowDc({window, dc}) : UniqueWindowDc();
}

inline UniquePaintDc beginPaint(HWND window) noexcept {
    PaintDcHandle h{window, {}};
    return ::BeginPaint(window, &h.paint) ? UniquePaintDc(h) : UniquePaintDc();
}

inline UniqueSelection selectInto(HDC dc, HGDIOBJ object) noexcept {
    return UniqueSelection({dc, ::SelectObject(dc, object)});
}

// An owning COM interface pointer; copying adds a reference.
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
