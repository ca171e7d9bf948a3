#include "imaging/GifDecl.h"

#include <algorithm>

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
    starts_.push_back(bytes_.size());
    bytes_.insert(bytes_.end(), block.begin(), block.end());
}

std::span<const std::uint8_t> TByteBuffer::Block(std::size_t number) const
{
    if (number < 1 || number > starts_.size())
        throw EListError(static_cast<long long>(number) - 1);
    const auto begin = starts_[number - 1];
    const auto end = number < starts_.size() ? starts_[number] : bytes_.size();
    return {bytes_.data() + begin, end - begin};
}

void TByteBuffer::Rewind()
{
    if (starts_.empty())
        throw EListError(0);
    cursor_ = 0;
}

std::size_t TByteBuffer::CurrentBlock() const
{
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), cursor_);
    return static_cast<std::size_t>(after - starts_.begin());
}

std::size_t TByteBuffer::CurrentPosition() const
{
    const auto block = CurrentBlock();
    return block == 0 ? 1 : cursor_ - starts_[block - 1] + 1;
}

} // namespace lv::imaging
