// Key names as the program writes them for people ("Ctrl+← / →", "Espace"), read back into the
// keys of the key table, so that texts naming keys can be checked against what is really bound.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/input/input.h"

// A key as the Help window and the menus name it: a virtual key with its modifiers, or a character.
struct NamedKey {
    uint32_t key = 0;  // virtual key, 0 for a character
    char character = 0;
    bool ctrl = false;
    bool shift = false;
};

// Reads one key name in the language it is written in; nothing for a name the key table does not
// know.
inline std::optional<NamedKey> read_key(std::string name, bool english, bool ctrl, bool shift) {
    const std::pair<const char*, uint32_t> named[] = {{english ? "Space" : "Espace", kKeySpace},
                                                      {english ? "Home" : "Début", kKeyHome},
                                                      {english ? "Enter" : "Entrée", kKeyReturn},
                                                      {english ? "Esc" : "Échap", kKeyEscape},
                                                      {"←", kKeyLeft},
                                                      {"→", kKeyRight},
                                                      {"↑", kKeyUp},
                                                      {"↓", kKeyDown},
                                                      {"F11", kKeyF11},
                                                      {"F1", kKeyF1}};
    for (const auto& [text, key] : named)
        if (name == text) return NamedKey{key, 0, ctrl, shift};
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z')
        return NamedKey{static_cast<uint32_t>(name[0]), 0, ctrl, shift};
    if (name.size() == 1 && !ctrl && !shift && std::string("+-=.,").find(name[0]) != std::string::npos)
        return NamedKey{0, name[0], false, false};
    return std::nullopt;
}

// The keys of a text like "Shift+← / →, K": alternatives apart by ", ", and "Mod+X / Y" standing
// for Mod+X and Mod+Y. Alternatives the key table has no part in (mouse, media keys, what Windows
// or the menu handles) are given back in `others`.
inline std::vector<NamedKey> read_keys(const std::string& keys, bool english, std::vector<std::string>& others) {
    std::vector<NamedKey> found;
    size_t start = 0;
    for (;;) {
        const size_t comma = keys.find(", ", start);
        const std::string alternative = keys.substr(start, comma - start);
        std::vector<NamedKey> parts;
        std::string rest = alternative;
        bool ctrl = false;
        bool shift = false;
        const std::string shift_name = english ? "Shift+" : "Maj+";
        for (bool more = true; more;) {
            more = false;
            if (rest.rfind("Ctrl+", 0) == 0) rest = rest.substr(5), ctrl = more = true;
            if (rest.rfind(shift_name, 0) == 0) rest = rest.substr(shift_name.size()), shift = more = true;
        }
        bool all_known = true;
        for (size_t piece = 0;;) {
            const size_t slash = rest.find(" / ", piece);
            const auto key = read_key(rest.substr(piece, slash - piece), english, ctrl, shift);
            if (key) parts.push_back(*key);
            all_known = all_known && key.has_value();
            if (slash == std::string::npos) break;
            piece = slash + 3;
        }
        if (all_known)
            found.insert(found.end(), parts.begin(), parts.end());
        else
            others.push_back(alternative);
        if (comma == std::string::npos) break;
        start = comma + 2;
    }
    return found;
}

// Whether the key table binds it to anything.
inline bool bound(const NamedKey& key) {
    if (key.key == 0) return char_command(static_cast<uint64_t>(key.character)).id != CommandId::none;
    return key_command(key.key, key.ctrl, key.shift).id != CommandId::none;
}
