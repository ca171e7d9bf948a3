#pragma once
// The pieces of a GIF file around the pictures: extension blocks and the
// buffer of an image's data sub-blocks.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "imaging/MoreUtil.h"
#include "base/Error.h"

namespace lv::imaging {

class EGifException : public Error {
public:
    explicit EGifException(const std::string& message) : Error(message) {}
};

enum class TExtensionKind : int { GraphicControl = 0, PlainText = 1, Application = 2, Comment = 3 };

// One "!" block: its kind, the fixed part as read, and its sub-blocks.
class TExtension {
public:
    // The kind of a label byte; throws EGifException for an unknown label.
    static TExtensionKind KindOfLabel(std::uint8_t label);
    // How many fixed bytes precede the sub-blocks (the graphic control
    // block's terminator counts as fixed; it has no sub-blocks).
    static std::size_t FixedSize(TExtensionKind kind);
    static bool HasSubBlocks(TExtensionKind kind) { return kind != TExtensionKind::GraphicControl; }

    TExtensionKind Kind = TExtensionKind::Comment;
    std::vector<std::uint8_t> Fixed;
    std::vector<std::string> Strings;

    // Graphic control fields (0 where the block is short or of another kind).
    int DisposalMethod() const;
    bool HasTransparency() const;
    int TransparentIndex() const;
    int DelayTime() const;
    // The 8-byte identifier and 3-byte code of an application block.
    std::string ApplicationId() const;
};

class TExtensionList {
public:
    TExtensionList() = default;
    TExtensionList(const TExtensionList&) = delete;
    TExtensionList& operator=(const TExtensionList&) = delete;
    ~TExtensionList() { Clear(); }

    TExtension& Add();
    std::size_t Count() const { return items_.size(); }
    // 1-based.
    const TExtension& Item(std::size_t number) const;
    // Frees the blocks, last first.
    void Clear();

private:
    std::vector<std::unique_ptr<TExtension>> items_;
};

// An image's data sub-blocks (1 to 255 bytes each) with a read cursor. The
// blocks refer to the bytes of the file held by the GIF file object, which
// outlives them, so the compressed data is never copied.
class TByteBuffer {
public:
    void AddBlock(std::span<const std::uint8_t> block);
    std::size_t BlockCount() const { return blocks_.size(); }
    std::size_t TotalSize() const { return total_; }
    // 1-based.
    std::span<const std::uint8_t> Block(std::size_t number) const;

    // Cursor to block 1, position 1; a buffer without blocks fails with the
    // list index error for item 0.
    void Rewind();
    // The next byte, stepping to the next block past the end of the current
    // one; past the last block it fails with the list index error, which
    // readers take as the end of the data.
    std::uint8_t NextByte()
    {
        if (next_ != end_)
            return *next_++;
        return nextBlockByte();
    }
    // The bytes from the cursor to the end of its block, stepping first to
    // the next block that has any; the cursor moves past them. Past the
    // last block it fails as NextByte does.
    std::span<const std::uint8_t> TakeRestOfBlock()
    {
        if (next_ == end_)
            stepToNextBlock();
        const std::span<const std::uint8_t> rest(next_, end_);
        next_ = end_;
        return rest;
    }
    // Block number and position in it (both 1-based) of the cursor.
    std::size_t CurrentBlock() const { return current_ + 1; }
    std::size_t CurrentPosition() const;

private:
    std::uint8_t nextBlockByte();
    void stepToNextBlock();

    std::vector<std::span<const std::uint8_t>> blocks_;
    std::size_t total_ = 0;
    std::size_t current_ = 0;
    const std::uint8_t* next_ = nullptr;
    const std::uint8_t* end_ = nullptr;
};

} // namespace lv::imaging
