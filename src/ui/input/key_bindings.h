// Every key and character the main window binds, one row each: the key, the modifiers it needs, what
// it asks for and how people read it in each language. key_command and char_command read this table,
// and the Help rows, the menu items' shortcuts and the tooltips take the keys' names from it, so a key
// rebound here is rebound everywhere it is named.
#pragma once

#include <cstdint>
#include <string>

#include "app/command.h"
#include "app/settings/language.h"

// Virtual-key codes of the bound keys (the values of winuser.h).
constexpr uint32_t kKeyReturn = 0x0D;
constexpr uint32_t kKeyEscape = 0x1B;
constexpr uint32_t kKeySpace = 0x20;
constexpr uint32_t kKeyHome = 0x24;
constexpr uint32_t kKeyLeft = 0x25;
constexpr uint32_t kKeyUp = 0x26;
constexpr uint32_t kKeyRight = 0x27;
constexpr uint32_t kKeyDown = 0x28;
constexpr uint32_t kKeyF1 = 0x70;
constexpr uint32_t kKeyF4 = 0x73;
constexpr uint32_t kKeyF11 = 0x7A;

// What a row asks of Ctrl or Shift.
enum class Held : uint8_t { either, yes, no };

// How a row's key reaches the program: typed to the main window; with Alt held, as one of Windows'
// system keys the window acts on; or with Alt held and left to Windows, which keeps its own meaning
// for it (the row only names the key, so that its texts stay one).
enum class KeyRoute : uint8_t { window, alt, windows_alt };

// A command as a row binds it: constexpr, unlike Command, which can carry a path.
struct BoundCommand {
    CommandId id = CommandId::none;
    double amount = 0;
};

struct KeyBinding {
    uint32_t key;    // virtual key; 0 for a row bound to a character
    char character;  // the typed character of a character row, which follows the keyboard layout
    Held ctrl;
    Held shift;
    KeyRoute route;  // Ctrl and Shift count only for keys typed to the window
    BoundCommand command;
    Text name;  // without the modifiers: "Space", "←", "+"
};

// The first row that matches wins, so a key bound with and without a modifier lists the narrower row
// first; the order of a command's rows is the order Help names them in.
inline constexpr KeyBinding kKeyBindings[] = {
    {'F', 0, Held::either, Held::either, KeyRoute::window, {CommandId::toggle_fullscreen}, {"F", "F"}},
    {kKeyReturn, 0, Held::either, Held::either, KeyRoute::window, {CommandId::toggle_fullscreen}, {"Enter", "Entrée"}},
    {kKeyF11, 0, Held::either, Held::either, KeyRoute::window, {CommandId::toggle_fullscreen}, {"F11", "F11"}},
    {kKeyReturn, 0, Held::either, Held::either, KeyRoute::alt, {CommandId::toggle_fullscreen}, {"Enter", "Entrée"}},
    {kKeyEscape, 0, Held::either, Held::either, KeyRoute::window, {CommandId::leave_fullscreen}, {"Esc", "Échap"}},
    {kKeySpace, 0, Held::either, Held::either, KeyRoute::window, {CommandId::toggle_pause}, {"Space", "Espace"}},
    {'K', 0, Held::either, Held::either, KeyRoute::window, {CommandId::toggle_pause}, {"K", "K"}},
    {kKeyHome, 0, Held::either, Held::either, KeyRoute::window, {CommandId::seek_to_start}, {"Home", "Début"}},
    {kKeyUp, 0, Held::either, Held::either, KeyRoute::window, {CommandId::volume_step, 5}, {"↑", "↑"}},
    {kKeyDown, 0, Held::either, Held::either, KeyRoute::window, {CommandId::volume_step, -5}, {"↓", "↓"}},
    {'M', 0, Held::either, Held::either, KeyRoute::window, {CommandId::toggle_mute}, {"M", "M"}},
    {kKeyF1, 0, Held::either, Held::either, KeyRoute::window, {CommandId::toggle_help}, {"F1", "F1"}},
    // Ctrl+arrow jumps a minute; holding Shift as well changes nothing.
    {kKeyLeft, 0, Held::yes, Held::either, KeyRoute::window, {CommandId::seek_relative, -60}, {"←", "←"}},
    {kKeyRight, 0, Held::yes, Held::either, KeyRoute::window, {CommandId::seek_relative, 60}, {"→", "→"}},
    {'O', 0, Held::yes, Held::either, KeyRoute::window, {CommandId::open_video}, {"O", "O"}},
    {kKeyLeft, 0, Held::no, Held::no, KeyRoute::window, {CommandId::seek_relative, -5}, {"←", "←"}},
    {kKeyRight, 0, Held::no, Held::no, KeyRoute::window, {CommandId::seek_relative, 5}, {"→", "→"}},
    {kKeyLeft, 0, Held::no, Held::yes, KeyRoute::window, {CommandId::seek_relative, -1}, {"←", "←"}},
    {kKeyRight, 0, Held::no, Held::yes, KeyRoute::window, {CommandId::seek_relative, 1}, {"→", "→"}},
    {'A', 0, Held::no, Held::either, KeyRoute::window, {CommandId::next_audio_track}, {"A", "A"}},
    {'S', 0, Held::no, Held::either, KeyRoute::window, {CommandId::next_subtitle_track}, {"S", "S"}},
    {'I', 0, Held::no, Held::either, KeyRoute::window, {CommandId::toggle_multi_instance}, {"I", "I"}},
    {'T', 0, Held::no, Held::either, KeyRoute::window, {CommandId::toggle_always_on_top}, {"T", "T"}},
    {kKeyF4, 0, Held::either, Held::either, KeyRoute::windows_alt, {CommandId::quit}, {"F4", "F4"}},
    {0, '+', Held::either, Held::either, KeyRoute::window, {CommandId::speed_up}, {"+", "+"}},
    {0, '-', Held::either, Held::either, KeyRoute::window, {CommandId::speed_down}, {"-", "-"}},
    {0, '=', Held::either, Held::either, KeyRoute::window, {CommandId::speed_reset}, {"=", "="}},
    {0, '.', Held::either, Held::either, KeyRoute::window, {CommandId::frame_step}, {".", "."}},
    {0, ',', Held::either, Held::either, KeyRoute::window, {CommandId::frame_back_step}, {",", ","}},
};

// The first row bound to `command`, with its modifiers, in the active language: "Ctrl+O", "Maj+←".
// Empty when no key asks for it.
std::string key_name(BoundCommand command);

// Every row of one route bound to `command`, ", " apart: "F, Enter, F11"; Help gives the Alt keys a
// row of their own.
std::string key_names(BoundCommand command, KeyRoute route = KeyRoute::window);

// Two commands' keys as one text, the modifiers they share written once: "Ctrl+← / →".
std::string key_name_pair(BoundCommand first, BoundCommand second);

// `pattern` with each "{1}", "{2}", "{3}" written as the key_name of keys[0], keys[1], keys[2].
std::string with_key_names(const char* pattern, const BoundCommand (&keys)[3]);
