#pragma once
// Small routines shared by the picture readers: a read cursor over bytes in
// memory, little-endian fields, the list index error and text helpers.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/Error.h"

namespace lv::imaging {

// An index past the end of one of the decoder's lists.
class EListError : public Error {
public:
    explicit EListError(long long index);
};

// A seekable stream over bytes held in memory; reads never pass the end.
class TMemoryReader {
public:
    explicit TMemoryReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t Position() const { return position_; }
    std::size_t Size() const { return data_.size(); }
    bool AtEnd() const { return position_ >= data_.size(); }
    void Seek(std::size_t position) { position_ = position < data_.size() ? position : data_.size(); }
    std::size_t Remaining() const { return data_.size() - position_; }

    // False at the end of the data (the byte is then left unchanged).
    bool ReadByte(std::uint8_t& byte)
    {
        if (position_ >= data_.size())
            return false;
        byte = data_[position_++];
        return true;
    }
    // Copies up to count bytes; returns how many there were.
    std::size_t Read(void* buffer, std::size_t count);
    // The next count bytes in place (fewer at the end), consumed.
    std::span<const std::uint8_t> Take(std::size_t count);

private:
    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
};

inline std::uint16_t ReadLE16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t ReadLE32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void WriteLE16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void WriteLE32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Upper-case hexadecimal of value, at least digits long ("F8").
std::string IntToHex(unsigned value, int digits);

} // namespace lv::imaging
