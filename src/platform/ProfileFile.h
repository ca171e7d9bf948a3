#pragma once
// Profile ("ini") file access on a given path. Strings are the primitive
// operations of the port; integers and Booleans are read as text and parsed
// by the program's own rule (never the platform's integer reader, which
// takes "12abc" as 12 and "abc" as 0 where the program wants its default).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lv {

// Longest value text a read returns; longer values are cut.
constexpr std::size_t ProfileValueLimit = 1023;

class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    // Value text (white space around it and one pair of enclosing quotes
    // dropped, at most ProfileValueLimit characters); defaultValue when the
    // key or file is missing. Section and key names ignore letter case.
    virtual std::string readString(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    // Creates section and key as needed. Throws Error("Unable to write to <path>").
    virtual void writeString(const std::string& path, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    // Every key name of the section in file order; empty for a missing section.
    virtual std::vector<std::string> keyNames(const std::string& path, const std::string& section) = 0;
    // Removes the section with its keys. Throws like writeString.
    virtual void eraseSection(const std::string& path, const std::string& section) = 0;

    std::int32_t readInteger(const std::string& path, const std::string& section,
                             const std::string& key, std::int32_t defaultValue);
    bool readBool(const std::string& path, const std::string& section,
                  const std::string& key, bool defaultValue);
    void writeInteger(const std::string& path, const std::string& section,
                      const std::string& key, std::int32_t value);
    void writeBool(const std::string& path, const std::string& section,
                   const std::string& key, bool value);
};

// The integer rule of the configuration file: an optional sign and decimal
// digits, or "0x"/"0X" followed by hexadecimal digits when the text is longer
// than two characters (up to 32 bits, taken as a signed 32-bit value).
// Anything else, or a decimal out of the 32-bit range, is no number.
std::optional<std::int32_t> parseProfileInteger(std::string_view text);

} // namespace lv
