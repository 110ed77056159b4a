#include "app/settings/settings_merge.h"

namespace {

template <auto field>
bool same(const Settings& a, const Settings& b) {
    return a.*field == b.*field;
}

template <auto field>
void take(Settings& to, const Settings& from) {
    to.*field = from.*field;
}

// Without a rectangle the numbers mean nothing, so two settings without one are the same.
bool same_window(const Settings& a, const Settings& b) {
    return a.window_valid == b.window_valid && (!a.window_valid || a.window_rect == b.window_rect);
}

void take_window(Settings& to, const Settings& from) {
    to.window_valid = from.window_valid;
    to.window_rect = from.window_rect;
}

struct Key {
    SettingsKeys bit;
    bool (*same)(const Settings&, const Settings&);
    void (*take)(Settings&, const Settings&);
};

constexpr Key kKeys[] = {
    {settings_key::volume, same<&Settings::volume>, take<&Settings::volume>},
    {settings_key::mute, same<&Settings::mute>, take<&Settings::mute>},
    {settings_key::multi_instance, same<&Settings::multi_instance>, take<&Settings::multi_instance>},
    {settings_key::wheel_invert, same<&Settings::wheel_invert>, take<&Settings::wheel_invert>},
    {settings_key::hide_about, same<&Settings::hide_about>, take<&Settings::hide_about>},
    {settings_key::always_on_top, same<&Settings::always_on_top>, take<&Settings::always_on_top>},
    {settings_key::maximized, same<&Settings::maximized>, take<&Settings::maximized>},
    {settings_key::compress, same<&Settings::compress>, take<&Settings::compress>},
    {settings_key::mpv_options, same<&Settings::mpv_options>, take<&Settings::mpv_options>},
    {settings_key::language, same<&Settings::language>, take<&Settings::language>},
    {settings_key::window, same_window, take_window},
};

}  // namespace

SettingsKeys changed_keys(const Settings& before, const Settings& after) {
    SettingsKeys keys = 0;
    for (const Key& key : kKeys)
        if (!key.same(before, after)) keys |= key.bit;
    return keys;
}

Settings merge_settings(Settings on_disk, const Settings& mine, SettingsKeys keys) {
    for (const Key& key : kKeys)
        if (keys & key.bit) key.take(on_disk, mine);
    return on_disk;
}
