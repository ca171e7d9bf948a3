#include "imaging/DynArrB.h"

#include <algorithm>
#include <cstring>

namespace lv::imaging {

void TByteArray2D::CopyRowIn(std::size_t row, std::span<const std::uint8_t> bytes)
{
    std::memcpy(RowForWriting(row), bytes.data(), std::min(bytes.size(), rowLength_));
}

std::uint8_t* TByteArray2D::RowForWriting(std::size_t row)
{
    check(row);
    const auto end = row * rowLength_;
    if (stored_.size() < end) {
        // Grow geometrically so sequential rows cost amortised linear time.
        if (end > stored_.capacity())
            Reserve(std::max(end, stored_.capacity() * 2));
        stored_.resize(end);
    }
    return stored_.data() + (row - 1) * rowLength_;
}

void TByteArray2D::Reserve(std::size_t bytes)
{
    stored_.reserve(std::min(bytes, rows_ * rowLength_));
}

void TByteArray2D::CopyRowOut(std::size_t row, std::span<std::uint8_t> bytes) const
{
    check(row);
    const auto n = std::min(bytes.size(), rowLength_);
    const auto stored = RowView(row);
    if (stored.empty())
        std::fill_n(bytes.begin(), n, std::uint8_t{0});
    else
        std::memcpy(bytes.data(), stored.data(), n);
}

std::span<const std::uint8_t> TByteArray2D::RowView(std::size_t row) const
{
    check(row);
    if (row * rowLength_ > stored_.size())
        return {};
    return {stored_.data() + (row - 1) * rowLength_, rowLength_};
}

} // namespace lv::imaging
