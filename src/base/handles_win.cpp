#include "base/handles_win.h"

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
