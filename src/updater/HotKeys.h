#pragma once
// Hot keys as the configuration file spells them ("Ctrl+Alt+PageDown"):
// modifiers and a key, in the values RegisterHotKey takes.
#include <optional>
#include <string>

namespace lv {

// MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN.
constexpr unsigned HotKeyAlt = 0x1;
constexpr unsigned HotKeyCtrl = 0x2;
constexpr unsigned HotKeyShift = 0x4;
constexpr unsigned HotKeyWin = 0x8;

struct HotKey {
    unsigned modifiers = 0;
    unsigned virtualKey = 0;
    friend bool operator==(const HotKey&, const HotKey&) = default;
};

// Modifiers (Ctrl, Alt, Shift, Win; any case, any order) joined by "+" to
// one key: a letter, a digit, F1 to F24, PageUp, PageDown, Home, End,
// Insert, Delete, the arrows (Left, Right, Up, Down), Space. nullopt for
// anything else, and for a key without Ctrl, Alt or Win, which would take
// a key from typing everywhere.
std::optional<HotKey> parseHotKey(const std::string& text);

} // namespace lv
