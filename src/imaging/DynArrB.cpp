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
    const bool taken = row * rowLength_ <= storedSize_;
    auto* bytes = RowForFilling(row);
    if (!taken)
        std::memset(bytes, 0, rowLength_);
    return bytes;
}

std::uint8_t* TByteArray2D::RowForFilling(std::size_t row)
{
    check(row);
    const auto start = (row - 1) * rowLength_;
    const auto end = start + rowLength_;
    if (storedSize_ < end) {
        // Grow geometrically so sequential rows cost amortised linear time.
        if (end > capacity_)
            Reserve(std::max(end, capacity_ * 2));
        std::memset(stored_.get() + storedSize_, 0, start - storedSize_);
        storedSize_ = end;
    }
    return stored_.get() + start;
}

void TByteArray2D::Reserve(std::size_t bytes)
{
    bytes = std::min(bytes, rows_ * rowLength_);
    if (bytes <= capacity_)
        return;
    // Not cleared: every byte below storedSize_ is written before it is read.
    std::unique_ptr<std::uint8_t[]> bigger(new std::uint8_t[bytes]);
    if (storedSize_ != 0)
        std::memcpy(bigger.get(), stored_.get(), storedSize_);
    stored_ = std::move(bigger);
    capacity_ = bytes;
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
    if (row * rowLength_ > storedSize_)
        return {};
    return {stored_.get() + (row - 1) * rowLength_, rowLength_};
}

} // namespace lv::imaging
