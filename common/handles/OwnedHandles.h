// Owning wrappers for Win32 handles: each closes its handle once, when it goes out of scope or is reset.
// Header only, so that every deliverable and stand-in can use it without linking anything else.
//
// "No handle" depends on the kind: CreateFile and FindFirstFile return INVALID_HANDLE_VALUE on failure, every other
// kind here returns null. OwnedFile and OwnedFind treat both as "no handle", so a wrapper holding either never closes
// it, and IsValid() is the one test callers make.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <utility>

// How each kind of handle is closed and what "no handle" looks like for it.
struct KernelHandleTraits
{
    using Type = HANDLE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { CloseHandle(handle); }
};

struct FindHandleTraits
{
    using Type = HANDLE;
    static Type Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Type handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { FindClose(handle); }
};

struct ModuleTraits
{
    using Type = HMODULE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type module) { return module != nullptr; }
    static void Close(Type module) { FreeLibrary(module); }
};

struct RegistryKeyTraits
{
    using Type = HKEY;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type key) { return key != nullptr; }
    static void Close(Type key) { RegCloseKey(key); }
};

template <typename Object>
struct GdiObjectTraits
{
    using Type = Object;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type object) { return object != nullptr; }
    static void Close(Type object) { DeleteObject(object); }
};

struct IconTraits
{
    using Type = HICON;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type icon) { return icon != nullptr; }
    static void Close(Type icon) { DestroyIcon(icon); }
};

struct MemoryDCTraits
{
    using Type = HDC;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type dc) { return dc != nullptr; }
    static void Close(Type dc) { DeleteDC(dc); }
};

struct ImageListTraits
{
    using Type = HIMAGELIST;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type list) { return list != nullptr; }
    static void Close(Type list) { ImageList_Destroy(list); }
};

// One handle, owned: moved, never copied.
template <typename Traits>
class OwnedHandle
{
public:
    using Type = typename Traits::Type;

    OwnedHandle() : m_handle(Traits::Empty()) {}
    explicit OwnedHandle(Type handle) : m_handle(handle) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept : m_handle(other.Release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    Type Get() const { return m_handle; }
    bool IsValid() const { return Traits::IsValid(m_handle); }
    explicit operator bool() const { return IsValid(); }

    // Closes the handle held, if any, and takes `handle` in its place.
    void Reset(Type handle = Traits::Empty())
    {
        if (Traits::IsValid(m_handle))
            Traits::Close(m_handle);
        m_handle = handle;
    }

    // Gives the handle up without closing it.
    Type Release() { return std::exchange(m_handle, Traits::Empty()); }

    // For functions that return a new handle through a pointer: closes the one held first.
    Type* Receive()
    {
        Reset();
        return &m_handle;
    }

private:
    Type m_handle;
};

using OwnedFile = OwnedHandle<KernelHandleTraits>;  // CreateFile: INVALID_HANDLE_VALUE when it fails
using OwnedEvent = OwnedHandle<KernelHandleTraits>;
using OwnedThread = OwnedHandle<KernelHandleTraits>;
using OwnedKernelHandle = OwnedHandle<KernelHandleTraits>;
using OwnedFind = OwnedHandle<FindHandleTraits>;
using OwnedModule = OwnedHandle<ModuleTraits>;
using OwnedRegistryKey = OwnedHandle<RegistryKeyTraits>;
using OwnedPen = OwnedHandle<GdiObjectTraits<HPEN>>;
using OwnedBrush = OwnedHandle<GdiObjectTraits<HBRUSH>>;
using OwnedFont = OwnedHandle<GdiObjectTraits<HFONT>>;
using OwnedBitmap = OwnedHandle<GdiObjectTraits<HBITMAP>>;
using OwnedIcon = OwnedHandle<IconTraits>;
using OwnedImageList = OwnedHandle<ImageListTraits>;
using OwnedMemoryDC = OwnedHandle<MemoryDCTraits>;  // CreateCompatibleDC

// This process's own duplicate of `handle` (a caller's event, say), to keep after the caller closes its own; empty
// when `handle` is null or cannot be duplicated.
inline OwnedKernelHandle DuplicateOwnHandle(HANDLE handle)
{
    OwnedKernelHandle duplicate;
    if (handle != nullptr)
    {
        HANDLE process = GetCurrentProcess();
        if (!DuplicateHandle(process, handle, process, duplicate.Receive(), 0, FALSE, DUPLICATE_SAME_ACCESS))
            duplicate.Release();
    }
    return duplicate;
}

// A window's device context (GetDC), released to its window.
class WindowDC
{
public:
    WindowDC() = default;
    explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDC() { Reset(); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC(WindowDC&& other) noexcept
        : m_window(std::exchange(other.m_window, nullptr)), m_dc(std::exchange(other.m_dc, nullptr))
    {
    }
    WindowDC& operator=(WindowDC&& other) noexcept
    {
        if (this != &other)
        {
            Reset();
            m_window = std::exchange(other.m_window, nullptr);
            m_dc = std::exchange(other.m_dc, nullptr);
        }
        return *this;
    }

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

    void Reset()
    {
        if (m_dc != nullptr)
            ReleaseDC(m_window, m_dc);
        m_window = nullptr;
        m_dc = nullptr;
    }

private:
    HWND m_window = nullptr;
    HDC m_dc = nullptr;
};

// A GDI object selected into a device context for the lifetime of this object; the previous one is put back.
class SelectedObject
{
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(object != nullptr ? SelectObject(dc, object) : nullptr)
    {
    }
    ~SelectedObject()
    {
        if (m_previous != nullptr)
            SelectObject(m_dc, m_previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A COM interface pointer that holds one reference.
template <typename Interface>
class ComPtr
{
public:
    ComPtr() = default;
    // Takes over a reference the caller already holds (as returned by a factory function).
    explicit ComPtr(Interface* pointer) : m_pointer(pointer) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other)
        {
            Reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }

    Interface* Get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    void Reset(Interface* pointer = nullptr)
    {
        if (m_pointer != nullptr)
            m_pointer->Release();
        m_pointer = pointer;
    }

    Interface** Receive()
    {
        Reset();
        return &m_pointer;
    }

private:
    Interface* m_pointer = nullptr;
};
