#include "platform/ProfileFile.h"

#include <limits>

namespace lv {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::int32_t> parseProfileInteger(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint64_t value = 0;
        for (char c : text.substr(2)) {
            const int d = hexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + static_cast<unsigned>(d);
            if (value > 0xFFFFFFFFull) return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t ProfileFile::readInteger(const std::string& path, const std::string& section,
                                      const std::string& key, std::int32_t defaultValue)
{
    return parseProfileInteger(readString(path, section, key, "")).value_or(defaultValue);
}

bool ProfileFile::readBool(const std::string& path, const std::string& section,
                           const std::string& key, bool defaultValue)
{
    return readInteger(path, section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::writeInteger(const std::string& path, const std::string& section,
                               const std::string& key, std::int32_t value)
{
    writeString(path, section, key, std::to_string(value));
}

void ProfileFile::writeBool(const std::string& path, const std::string& section,
                            const std::string& key, bool value)
{
    writeString(path, section, key, value ? "1" : "0");
}

} // namespace lv
