// Owners for the kernel and user handles outside GDI: each closes or destroys its handle once, and
// none can be copied.
#pragma once

#include "base/win32_win.h"

// A file opened with CreateFileW, closed with its owner.
struct FileHandle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    explicit FileHandle(HANDLE h) : handle(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { close(); }
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
    void close() {
        if (valid()) CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
};

// A named mutex, waited for at most `wait_ms` when made; held until release() or the end of its
// owner. A mutex its last holder left without releasing (a copy that crashed) is taken as owned. A
// mutex that cannot be made is not owned, and nothing is waited for.
struct NamedMutexLock {
    HANDLE mutex = nullptr;
    bool owned = false;
    NamedMutexLock(const wchar_t* name, DWORD wait_ms);
    NamedMutexLock(const NamedMutexLock&) = delete;
    NamedMutexLock& operator=(const NamedMutexLock&) = delete;
    ~NamedMutexLock();
    void release();
};

// A popup menu and, through it, its submenus; destroyed with its owner.
struct OwnedMenu {
    HMENU menu = nullptr;

    OwnedMenu() = default;
    explicit OwnedMenu(HMENU handle) : menu(handle) {}
    OwnedMenu(OwnedMenu&& other) noexcept : menu(other.release()) {}
    OwnedMenu& operator=(OwnedMenu&& other) noexcept;
    OwnedMenu(const OwnedMenu&) = delete;
    OwnedMenu& operator=(const OwnedMenu&) = delete;
    ~OwnedMenu() { reset(); }

    HMENU get() const { return menu; }
    HMENU release();
    void reset();
};
