#include "updater/HotKeys.h"

#include <array>
#include <cctype>
#include <vector>

namespace lv {

namespace {

struct NamedKey {
    const char* name;
    unsigned virtualKey;
};

constexpr std::array<NamedKey, 14> NamedKeys{{
    {"pageup", 0x21},   {"pgup", 0x21},  {"pagedown", 0x22}, {"pgdn", 0x22}, {"end", 0x23},
    {"home", 0x24},     {"left", 0x25},  {"up", 0x26},       {"right", 0x27}, {"down", 0x28},
    {"insert", 0x2D},   {"delete", 0x2E}, {"del", 0x2E},     {"space", 0x20},
}};

struct NamedModifier {
    const char* name;
    unsigned flag;
};

constexpr std::array<NamedModifier, 5> Modifiers{{
    {"ctrl", HotKeyCtrl}, {"control", HotKeyCtrl}, {"alt", HotKeyAlt}, {"shift", HotKeyShift}, {"win", HotKeyWin},
}};

// ASCII only: a key name is never a letter of the code page.
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || isDigit(c);
}

std::string lowerTrimmed(const std::string& text)
{
    std::size_t first = 0, last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    std::string result;
    for (std::size_t i = first; i < last; ++i)
        result += text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    return result;
}

std::optional<unsigned> keyNamed(const std::string& name)
{
    if (name.size() == 1 && isLetterOrDigit(name[0]))
        return static_cast<unsigned>(isDigit(name[0]) ? name[0] : name[0] - 'a' + 'A'); // VK_A is 'A', VK_0 is '0'
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' && isDigit(name[1]) &&
        (name.size() == 2 || isDigit(name[2])) && name[1] != '0') {
        const int number = std::stoi(name.substr(1));
        if (number >= 1 && number <= 24)
            return 0x70u + static_cast<unsigned>(number - 1); // VK_F1 onwards
    }
    for (const NamedKey& key : NamedKeys)
        if (name == key.name)
            return key.virtualKey;
    return std::nullopt;
}

} // namespace

std::optional<HotKey> parseHotKey(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t plus; (plus = text.find('+', start)) != std::string::npos; start = plus + 1)
        parts.push_back(lowerTrimmed(text.substr(start, plus - start)));
    parts.push_back(lowerTrimmed(text.substr(start)));

    HotKey hotKey;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        unsigned flag = 0;
        for (const NamedModifier& modifier : Modifiers)
            if (parts[i] == modifier.name)
                flag = modifier.flag;
        if (flag == 0 || (hotKey.modifiers & flag) != 0)
            return std::nullopt;
        hotKey.modifiers |= flag;
    }
    const auto key = keyNamed(parts.back());
    if (!key || (hotKey.modifiers & (HotKeyCtrl | HotKeyAlt | HotKeyWin)) == 0)
        return std::nullopt;
    hotKey.virtualKey = *key;
    return hotKey;
}

} // namespace lv
