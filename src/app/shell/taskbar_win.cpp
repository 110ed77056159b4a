#include "app/shell/taskbar_win.h"

#include <cstring>
#include <vector>

#include "base/dpi_scale.h"
#include "base/gdi_win.h"
#include "base/ole_win.h"
#include "base/wide_win.h"

namespace {

TBPFLAG progress_flag(ProgressKind kind) {
    switch (kind) {
        case ProgressKind::normal:
            return TBPF_NORMAL;
        case ProgressKind::paused:
            return TBPF_PAUSED;
        case ProgressKind::error:
            return TBPF_ERROR;
        case ProgressKind::none:
            break;
    }
    return TBPF_NOPROGRESS;
}

// The small icon size of the window's DPI.
int32_t icon_size(uint32_t dpi) { return scale_px(16, dpi); }

std::array<OwnedIcon, 4> draw_icons(uint32_t dpi) {
    std::array<OwnedIcon, 4> icons;
    for (const ThumbIcon icon : {ThumbIcon::back, ThumbIcon::play, ThumbIcon::pause, ThumbIcon::forward})
        icons[static_cast<size_t>(icon)].reset(create_thumb_icon(icon, icon_size(dpi)));
    return icons;
}

std::array<THUMBBUTTON, 3> to_thumb_buttons(const std::array<OwnedIcon, 4>& icons,
                                            const std::array<ThumbButton, 3>& buttons) {
    std::array<THUMBBUTTON, 3> out{};
    for (size_t i = 0; i < buttons.size(); ++i) {
        THUMBBUTTON& b = out[i];
        b.dwMask = static_cast<THUMBBUTTONMASK>(THB_ICON | THB_TOOLTIP | THB_FLAGS);
        b.iId = buttons[i].id;
        b.hIcon = icons[static_cast<size_t>(buttons[i].icon)].get();
        // szTip holds 260 units; a longer text is cut, never overrun.
        lstrcpynW(b.szTip, wide(buttons[i].tooltip).c_str(), ARRAYSIZE(b.szTip));
        b.dwFlags = buttons[i].enabled ? THBF_ENABLED : THBF_DISABLED;
    }
    return out;
}

}  // namespace

HICON create_thumb_icon(ThumbIcon icon, int32_t size) {
    const std::vector<uint32_t> pixels = thumb_icon_pixels(icon, size);
    if (pixels.empty()) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;  // top row first, as the pixels are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const OwnedBitmap colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!colour || !bits) return nullptr;
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
    // With a 32-bit colour bitmap the alpha decides; the mask only has to exist. Its rows are padded
    // to 16 bits and all clear.
    const std::vector<BYTE> mask_bits(static_cast<size_t>((size + 15) / 16 * 2 * size), 0);
    const OwnedBitmap mask(CreateBitmap(size, size, 1, 1, mask_bits.data()));
    if (!mask) return nullptr;
    ICONINFO parts{};
    parts.fIcon = TRUE;
    parts.hbmMask = mask.get();
    parts.hbmColor = colour.get();
    return CreateIconIndirect(&parts);  // copies both bitmaps
}

bool create_taskbar(Taskbar& taskbar) {
    ComRef<ITaskbarList3> list;
    if (FAILED(com_create_instance(CLSID_TaskbarList, IID_ITaskbarList3, list.put())) || !list ||
        FAILED(list->HrInit()))
        return false;
    taskbar.list = std::move(list);
    return true;
}

void add_thumb_buttons(Taskbar& taskbar, HWND window, const std::array<ThumbButton, 3>& buttons, uint32_t dpi) {
    if (!taskbar.list) return;
    if (taskbar.icon_dpi != dpi) {
        taskbar.icons = draw_icons(dpi);
        taskbar.icon_dpi = dpi;
    }
    auto thumb = to_thumb_buttons(taskbar.icons, buttons);
    // A button takes its toolbar once. The message of a button whose toolbar start-up already added
    // (it was queued behind start-up) finds them there: they are updated instead.
    const bool added =
        SUCCEEDED(taskbar.list->ThumbBarAddButtons(window, thumb.size(), thumb.data())) ||
        (taskbar.buttons_added && SUCCEEDED(taskbar.list->ThumbBarUpdateButtons(window, thumb.size(), thumb.data())));
    taskbar.buttons_added = added;
    taskbar.shown_buttons = added ? std::optional(buttons) : std::nullopt;
}

void taskbar_follow(Taskbar& taskbar, HWND window, const TaskbarProgress& progress,
                    const std::array<ThumbButton, 3>& buttons, uint32_t dpi) {
    if (!taskbar.list) return;
    if (taskbar.shown_progress != progress) {
        // The state first: a value given while there is no progress would switch it to normal.
        taskbar.list->SetProgressState(window, progress_flag(progress.kind));
        if (progress.kind != ProgressKind::none)
            taskbar.list->SetProgressValue(window, progress.completed, progress.total);
        taskbar.shown_progress = progress;
    }
    if (taskbar.buttons_added && (taskbar.shown_buttons != buttons || taskbar.icon_dpi != dpi)) {
        // Icons of a new DPI replace the old ones only once the shell has been given them.
        std::array<OwnedIcon, 4> fresh = taskbar.icon_dpi != dpi ? draw_icons(dpi) : std::array<OwnedIcon, 4>{};
        auto thumb = to_thumb_buttons(fresh[0].get() ? fresh : taskbar.icons, buttons);
        if (SUCCEEDED(taskbar.list->ThumbBarUpdateButtons(window, thumb.size(), thumb.data())))
            taskbar.shown_buttons = buttons;
        if (fresh[0].get()) {
            taskbar.icons = std::move(fresh);
            taskbar.icon_dpi = dpi;
        }
    }
}
