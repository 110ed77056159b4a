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
