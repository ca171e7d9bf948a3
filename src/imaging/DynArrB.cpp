#include "imaging/DynArrB.h"

#include <algorithm>
#include <cstring>

namespace lv::imaging {

void TByteArray2D::CopyRowIn(std::size_t row, std::span<const std::uint8_t> bytes)
{
    check(row);
    const auto end = row * rowLength_;
    if (stored_.size() < end) {
        // Grow geometrically so sequential rows cost amortised linear time.
        const auto total = rows_ * rowLength_;
        stored_.reserve(std::min(total, std::max(end, stored_.size() * 2)));
        stored_.resize(end);
    }
    std::memcpy(stored_.data() + (row - 1) * rowLength_, bytes.data(), std::min(bytes.size(), rowLength_));
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
