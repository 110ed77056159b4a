#include "base/handles_win.h"

NamedMutexLock::NamedMutexLock(const wchar_t* name, DWORD wait_ms) : mutex(CreateMutexW(nullptr, FALSE, name)) {
    if (!mutex) return;
    const DWORD waited = WaitForSingleObject(mutex, wait_ms);
    owned = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

NamedMutexLock::~NamedMutexLock() {
    release();
    if (mutex) CloseHandle(mutex);
}

void NamedMutexLock::release() {
    if (owned) ReleaseMutex(mutex);
    owned = false;
}

OwnedMenu& OwnedMenu::operator=(OwnedMenu&& other) noexcept {
    if (this != &other) {
        reset();
        menu = other.release();
    }
    return *this;
}

HMENU OwnedMenu::release() {
    const HMENU handle = menu;
    menu = nullptr;
    return handle;
}

void OwnedMenu::reset() {
    if (menu) DestroyMenu(menu);
    menu = nullptr;
}
