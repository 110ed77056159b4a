// The control bar's mouse handling. The bar window is disabled, so the main window receives every
// mouse message over the bar and the video and hands them here; hover, press and drag state live in
// the App state.
#include "ui/bar/bar_mouse_win.h"

#include "app/app_state_win.h"
#include "ui/bar/bar_model.h"
#include "ui/window_modes_win.h"

namespace {

struct BarArea {
    int client_width = 0;
    int bar_top = 0;
    int bar_height = 0;
    bool visible = false;  // windowed, or fullscreen with the bar woken up
};

BarArea bar_area(const App& app) {
    RECT client{};
    GetClientRect(app.windows.main_window, &client);
    BarArea area;
    area.client_width = client.right;
    area.bar_height = bar_height(app);
    area.bar_top = client.bottom - area.bar_height;
    area.visible = !app.mode.fullscreen || app.mode.bar_shown;
    return area;
}

bool in_visible_bar(const BarArea& area, int x, int y) {
    return area.visible && x >= 0 && x < area.client_width && y >= area.bar_top && y < area.bar_top + area.bar_height;
}

bool is_menu_button(BarHit hit) { return is_button(hit) && bar_button_opens_menu(button_of(hit)); }

// The press itself, with the hit code taken before the wake-up could bring a hidden bar back: a click
// at the bottom of the screen while the bar is hidden belongs to the video.
Changes press(App& app, int x, int y, CommandRunner run) {
    const BarArea area = bar_area(app);
    const BarHit hit = bar_hit_test(app, x, y);
    const bool in_bar = in_visible_bar(area, x, y);

    Changes changes = app.mode.fullscreen ? auto_hide_wake_up(app) : kChangedNothing;
    SetFocus(app.windows.main_window);
    app.bar.last_press_on_video = hit == BarHit::none && !in_bar;

    if (is_button(hit)) {
        if (is_menu_button(hit))
            app.bar.pressed = hit;  // the menu opens on release over the same button
        else
            run(app, bar_button_command(button_of(hit)));
        return changes;
    }
    if (hit == BarHit::seek_bar || hit == BarHit::volume) {
        app.bar.drag = hit == BarHit::seek_bar ? Drag::seek : Drag::volume;
        SetCapture(app.windows.main_window);
        // The dragged slider is drawn thick with its knob.
        return changes | kChangedBar | drag_update(app, x, false, run);
    }
    if (!in_bar) run(app, {CommandId::toggle_pause});
    return changes;
}

}  // namespace

BarHit bar_hit_test(const App& app, int x, int y) {
    const BarArea area = bar_area(app);
    if (!in_visible_bar(area, x, y)) return BarHit::none;
    const BarLayout layout = compute_bar_layout(app.windows.dpi, area.client_width, area.bar_height);
    return bar_hit_code(layout, x, y - area.bar_top);
}

Changes drag_update(App& app, int x, bool final, CommandRunner run) {
    RECT client{};
    GetClientRect(app.windows.main_window, &client);
    const BarLayout layout = compute_bar_layout(app.windows.dpi, client.right, bar_height(app));
    if (app.bar.drag == Drag::seek) {
        const double duration = app.playback.duration;
        if (!(duration > 0)) return kChangedNothing;
        app.bar.seek_fraction = slider_fraction(x, layout.seek_rect);
        run(app, seek_drag_command(duration, app.bar.seek_fraction, final));
        return kChangedBar;
    }
    if (app.bar.drag == Drag::volume) run(app, volume_drag_command(slider_fraction(x, layout.volume_rect)));
    return kChangedNothing;
}

Changes bar_on_mouse_move(App& app, int x, int y, CommandRunner run) {
    Changes changes = kChangedNothing;
    if (x != app.mode.last_mouse.x || y != app.mode.last_mouse.y) {
        app.mode.last_mouse = POINT{x, y};
        if (app.mode.fullscreen) changes |= auto_hide_wake_up(app);
    }
    if (!app.bar.mouse_tracked) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = app.windows.main_window;
        track.dwHoverTime = 0;
        TrackMouseEvent(&track);
        app.bar.mouse_tracked = true;
    }
    if (app.bar.drag != Drag::none) return changes | drag_update(app, x, false, run);
    const BarHit hit = bar_hit_test(app, x, y);
    if (hit == app.bar.hover_button) return changes;
    app.bar.hover_button = hit;
    return changes | kChangedBar;
}

Changes bar_on_button_down(App& app, int x, int y, CommandRunner run) { return press(app, x, y, run); }

Changes bar_on_button_up(App& app, int x, int y, CommandRunner run) {
    const BarHit pressed = app.bar.pressed;
    app.bar.pressed = BarHit::released;
    if (is_button(pressed) && bar_hit_test(app, x, y) == pressed) run(app, bar_button_command(button_of(pressed)));

    if (app.bar.drag == Drag::none) return kChangedNothing;
    if (app.bar.drag == Drag::seek) drag_update(app, x, true, run);
    app.bar.drag = Drag::none;
    ReleaseCapture();
    return kChangedBar;
}

// The pair goes where its first click went. That click may have woken a hidden bar (a click at the
// bottom of a fullscreen video) or changed the mode so that the bar is no longer under the pointer
// (the fullscreen button); judging by the bar as it is now would run a button the user never aimed
// at, or undo a play/pause toggle that never happened.
Changes bar_on_double_click(App& app, int x, int y, CommandRunner run) {
    if (app.bar.last_press_on_video) {
        // The first click of the pair toggled play/pause; toggling again undoes it.
        run(app, {CommandId::toggle_pause});
        run(app, {CommandId::toggle_fullscreen});
        return kChangedNothing;
    }
    // A double click on a menu button would open its menu a second time.
    if (in_visible_bar(bar_area(app), x, y) && !is_menu_button(bar_hit_test(app, x, y))) return press(app, x, y, run);
    return kChangedNothing;
}
