// The taskbar button: its progress and the three buttons of its thumbnail, through ITaskbarList3.
#pragma once

#include "base/win32_win.h"

// clang-format off
#include <shobjidl.h>
// clang-format on

#include <array>
#include <cstdint>
#include <optional>

#include "app/shell/shell_surfaces.h"
#include "base/com_win.h"

// An icon destroyed with its owner.
class OwnedIcon {
public:
    OwnedIcon() = default;
    explicit OwnedIcon(HICON icon) : icon_(icon) {}
    OwnedIcon(OwnedIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
    OwnedIcon& operator=(OwnedIcon&& other) noexcept {
        if (this != &other) reset(std::exchange(other.icon_, nullptr));
        return *this;
    }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;
    ~OwnedIcon() { reset(); }

    HICON get() const { return icon_; }
    void reset(HICON icon = nullptr) {
        if (icon_) DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

// A 32-bit icon with alpha, size x size pixels, drawn by the program.
HICON create_thumb_icon(ThumbIcon icon, int32_t size);

struct Taskbar {
    ComRef<ITaskbarList3> list;
    bool buttons_added = false;
    // What the shell was last given, so that unchanged state costs no call.
    std::optional<TaskbarProgress> shown_progress;
    std::optional<std::array<ThumbButton, 3>> shown_buttons;
    // Indexed by ThumbIcon, drawn for icon_dpi; the shell may keep using them while they are shown.
    std::array<OwnedIcon, 4> icons;
    uint32_t icon_dpi = 0;
};

// The taskbar object, made and initialised; false (and nothing held) when Windows has none.
bool create_taskbar(Taskbar& taskbar);
// Adds the thumbnail buttons to a new taskbar button, or updates them where they are already.
void add_thumb_buttons(Taskbar& taskbar, HWND window, const std::array<ThumbButton, 3>& buttons, uint32_t dpi);
// Passes on what changed since the last call.
void taskbar_follow(Taskbar& taskbar, HWND window, const TaskbarProgress& progress,
                    const std::array<ThumbButton, 3>& buttons, uint32_t dpi);
