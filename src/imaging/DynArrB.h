#pragma once
// Byte arrays with 1-based access and bounds tests.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "base/Error.h"

namespace lv::imaging {

class EIndexOutOfBounds : public Error {
public:
    EIndexOutOfBounds() : Error("Dynamic array index out of bounds") {}
};

// n bytes, elements 1..n, cleared on creation.
class TBigByteArray {
public:
    explicit TBigByteArray(std::size_t count) : bytes_(count) {}

    std::size_t Count() const { return bytes_.size(); }
    std::uint8_t Get(std::size_t index) const
    {
        check(index);
        return bytes_[index - 1];
    }
    void Set(std::size_t index, std::uint8_t value)
    {
        check(index);
        bytes_[index - 1] = value;
    }
    std::uint8_t* Data() { return bytes_.data(); }
    const std::uint8_t* Data() const { return bytes_.data(); }

private:
    void check(std::size_t index) const
    {
        if (index < 1 || index > bytes_.size())
            throw EIndexOutOfBounds();
    }
    std::vector<std::uint8_t> bytes_;
};

// rows x rowLength bytes, rows 1..rows, every byte 0 until written. Memory
// is taken only up to the last row written so far, so a picture that
// declares a large size but carries little data costs little.
class TByteArray2D {
public:
    TByteArray2D(std::size_t rows, std::size_t rowLength) : rows_(rows), rowLength_(rowLength) {}

    std::size_t Rows() const { return rows_; }
    std::size_t RowLength() const { return rowLength_; }

    void CopyRowIn(std::size_t row, std::span<const std::uint8_t> bytes);
    // The row's bytes in place for writing (taking memory for it).
    std::uint8_t* RowForWriting(std::size_t row);
    // The same for a writer that writes every byte of the row or clears
    // it: a row taken here is not cleared first, which saves a pass over
    // the picture. Rows skipped on the way to it are cleared.
    std::uint8_t* RowForFilling(std::size_t row);
    // Takes memory for up to bytes in one piece (at most the whole matrix),
    // so that rows written in order never move the matrix.
    void Reserve(std::size_t bytes);
    void CopyRowOut(std::size_t row, std::span<std::uint8_t> bytes) const;
    // The stored row in place, or an empty span for a row never written
    // (whose bytes are all 0).
    std::span<const std::uint8_t> RowView(std::size_t row) const;

private:
    void check(std::size_t row) const
    {
        if (row < 1 || row > rows_)
            throw EIndexOutOfBounds();
    }
    std::size_t rows_;
    std::size_t rowLength_;
    std::unique_ptr<std::uint8_t[]> stored_;
    std::size_t storedSize_ = 0; // whole rows, from row 1
    std::size_t capacity_ = 0;
};

} // namespace lv::imaging
