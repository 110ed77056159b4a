#include "app/settings/settings_merge.h"

#include "app/settings/settings_table.h"

namespace {

// Without a rectangle the numbers mean nothing, so two settings without one are the same.
bool same_value(const SettingRow& row, const Settings& a, const Settings& b) {
    switch (row.kind) {
        case SettingKind::flag:
            return a.*row.flag == b.*row.flag;
        case SettingKind::text:
            return a.*row.text == b.*row.text;
        case SettingKind::volume:
            return a.volume == b.volume;
        case SettingKind::window:
            return a.window_valid == b.window_valid && (!a.window_valid || a.window_rect == b.window_rect);
    }
    return true;
}

void take_value(const SettingRow& row, Settings& to, const Settings& from) {
    switch (row.kind) {
        case SettingKind::flag:
            to.*row.flag = from.*row.flag;
            return;
        case SettingKind::text:
            to.*row.text = from.*row.text;
            return;
        case SettingKind::volume:
            to.volume = from.volume;
            return;
        case SettingKind::window:
            to.window_valid = from.window_valid;
            to.window_rect = from.window_rect;
            return;
    }
}

}  // namespace

SettingsKeys changed_keys(const Settings& before, const Settings& after) {
    SettingsKeys keys = 0;
    for (const SettingRow& row : kSettingRows)
        if (!same_value(row, before, after)) keys |= row.bit;
    return keys;
}

Settings merge_settings(Settings on_disk, const Settings& mine, SettingsKeys keys) {
    for (const SettingRow& row : kSettingRows)
        if (keys & row.bit) take_value(row, on_disk, mine);
    return on_disk;
}
