#include "imaging/MoreUtil.h"

#include <cstring>

namespace lv::imaging {

EListError::EListError(long long index)
    : Error("List index out of bounds (" + std::to_string(index) + ")")
{
}

std::size_t TMemoryReader::Read(void* buffer, std::size_t count)
{
    const auto n = count < Remaining() ? count : Remaining();
    if (n != 0)
        std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

std::span<const std::uint8_t> TMemoryReader::Take(std::size_t count)
{
    const auto n = count < Remaining() ? count : Remaining();
    const auto part = data_.subspan(position_, n);
    position_ += n;
    return part;
}

std::string IntToHex(unsigned value, int digits)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), hex[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    while (static_cast<int>(text.size()) < digits)
        text.insert(text.begin(), '0');
    return text;
}

} // namespace lv::imaging
