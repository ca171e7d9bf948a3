#include "imaging/GifDecl.h"


namespace lv::imaging {

TExtensionKind TExtension::KindOfLabel(std::uint8_t label)
{
    switch (label) {
    case 0xF9: return TExtensionKind::GraphicControl;
    case 0x01: return TExtensionKind::PlainText;
    case 0xFF: return TExtensionKind::Application;
    case 0xFE: return TExtensionKind::Comment;
    default:
        throw EGifException("Unrecognized extension block.\r\nCode = $" + IntToHex(label, 2));
    }
}

std::size_t TExtension::FixedSize(TExtensionKind kind)
{
    switch (kind) {
    case TExtensionKind::GraphicControl: return 6;
    case TExtensionKind::PlainText: return 13;
    case TExtensionKind::Application: return 12;
    case TExtensionKind::Comment: return 0;
    }
    return 0;
}

int TExtension::DisposalMethod() const
{
    return Kind == TExtensionKind::GraphicControl && Fixed.size() > 1 ? (Fixed[1] >> 2) & 7 : 0;
}

bool TExtension::HasTransparency() const
{
    return Kind == TExtensionKind::GraphicControl && Fixed.size() > 1 && (Fixed[1] & 1) != 0;
}

int TExtension::TransparentIndex() const
{
    return Kind == TExtensionKind::GraphicControl && Fixed.size() > 4 ? Fixed[4] : 0;
}

int TExtension::DelayTime() const
{
    return Kind == TExtensionKind::GraphicControl && Fixed.size() > 3 ? ReadLE16(&Fixed[2]) : 0;
}

std::string TExtension::ApplicationId() const
{
    if (Kind != TExtensionKind::Application || Fixed.size() < 12)
        return {};
    return std::string(Fixed.begin() + 1, Fixed.begin() + 12);
}

TExtension& TExtensionList::Add()
{
    items_.push_back(std::make_unique<TExtension>());
    return *items_.back();
}

const TExtension& TExtensionList::Item(std::size_t number) const
{
    if (number < 1 || number > items_.size())
        throw EListError(static_cast<long long>(number) - 1);
    return *items_[number - 1];
}

void TExtensionList::Clear()
{
    while (!items_.empty())
        items_.pop_back();
}

void TByteBuffer::AddBlock(std::span<const std::uint8_t> block)
{
    blocks_.push_back(block);
    total_ += block.size();
}

std::span<const std::uint8_t> TByteBuffer::Block(std::size_t number) const
{
    if (number < 1 || number > blocks_.size())
        throw EListError(static_cast<long long>(number) - 1);
    return blocks_[number - 1];
}

void TByteBuffer::Rewind()
{
    if (blocks_.empty())
        throw EListError(0);
    current_ = 0;
    next_ = blocks_[0].data();
    end_ = next_ + blocks_[0].size();
}

std::uint8_t TByteBuffer::nextBlockByte()
{
    stepToNextBlock();
    return *next_++;
}

void TByteBuffer::stepToNextBlock()
{
    do {
        if (current_ + 1 >= blocks_.size())
            throw EListError(static_cast<long long>(current_) + 1);
        ++current_;
        next_ = blocks_[current_].data();
        end_ = next_ + blocks_[current_].size();
    } while (next_ == end_);
}

std::size_t TByteBuffer::CurrentPosition() const
{
    return blocks_.empty() ? 1 : static_cast<std::size_t>(next_ - blocks_[current_].data()) + 1;
}

} // namespace lv::imaging
