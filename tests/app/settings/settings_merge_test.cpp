#include "app/settings/settings_merge.h"

#include <gtest/gtest.h>

#include "app/settings/settings.h"
#include "app/settings/settings_table.h"

namespace {

// Every key with a value other than the default, so that each key's bit can be seen on its own.
Settings all_changed() {
    Settings s;
    for (const SettingRow& row : kSettingRows) switch (row.kind) {
            case SettingKind::flag:
                s.*row.flag = !(Settings{}.*row.flag);
                break;
            case SettingKind::text:
                s.*row.text = "x";
                break;
            case SettingKind::volume:
                s.volume = 35;
                break;
            case SettingKind::window:
                s.window_valid = true;
                s.window_rect = WindowRect{1, 2, 30, 40};
                break;
        }
    return s;
}

TEST(SettingsMerge, EveryKeyHasItsOwnBit) {
    EXPECT_EQ(changed_keys(Settings{}, Settings{}), 0u);
    // A key missing from the table would leave its bit out, and its value would never be saved.
    EXPECT_EQ(changed_keys(Settings{}, all_changed()), settings_key::all);
    // Merging one key at a time takes exactly that key.
    for (SettingsKeys bit = 1; bit & settings_key::all; bit <<= 1) {
        const Settings merged = merge_settings(Settings{}, all_changed(), bit);
        EXPECT_EQ(changed_keys(Settings{}, merged), bit) << bit;
        EXPECT_EQ(changed_keys(merged, all_changed()), settings_key::all & ~bit) << bit;
    }
}

TEST(SettingsMerge, WindowRectangleCountsOnlyWhenThereIsOne) {
    Settings a;
    Settings b;
    b.window_rect = WindowRect{5, 5, 9, 9};  // no rectangle on either side: nothing to save
    EXPECT_EQ(changed_keys(a, b), 0u);
    b.window_valid = true;
    EXPECT_EQ(changed_keys(a, b), settings_key::window);
    a.window_valid = true;
    a.window_rect = WindowRect{5, 5, 9, 10};
    EXPECT_EQ(changed_keys(a, b), settings_key::window);
}

// Two copies, A and B, started from the same file; the file as each save leaves it.
TEST(SettingsMerge, TwoCopiesKeepEachOthersChanges) {
    const Settings start;
    Settings a = start, a_synced = start;
    Settings b = start, b_synced = start;
    Settings file = start;
    const auto save = [&file](const Settings& mine, Settings& synced, SettingsKeys forced) {
        file = merge_settings(file, mine, changed_keys(synced, mine) | forced);
        synced = mine;
    };

    b.multi_instance = true;  // I in B
    save(b, b_synced, 0);
    a.wheel_invert = false;  // a preference changed in A
    save(a, a_synced, 0);
    EXPECT_TRUE(file.multi_instance);
    EXPECT_FALSE(file.wheel_invert);

    b.language = "fr";
    save(b, b_synced, 0);
    // A closes with its placement and volume; B's switch and language stay.
    a.volume = 12;
    a.window_valid = true;
    a.window_rect = WindowRect{10, 10, 500, 400};
    save(a, a_synced, settings_key::at_close);
    EXPECT_TRUE(file.multi_instance);
    EXPECT_EQ(file.language, "fr");
    EXPECT_FALSE(file.wheel_invert);
    EXPECT_EQ(file.volume, 12);
    EXPECT_EQ(file.window_rect, a.window_rect);

    // B closes last without having moved: at close it still owns its placement and volume.
    save(b, b_synced, settings_key::at_close);
    EXPECT_EQ(file.volume, start.volume);
    EXPECT_FALSE(file.window_valid);
    EXPECT_TRUE(file.multi_instance);
    EXPECT_FALSE(file.wheel_invert);
}

}  // namespace
