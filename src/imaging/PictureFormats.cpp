#include "imaging/PictureFormats.h"

#include <algorithm>

#include "base/Text.h"
#include "imaging/GifUnit.h"
#include "imaging/MoreUtil.h"

namespace lv::imaging {

namespace {

std::string Key(const std::string& extension)
{
    auto key = upperCaseAtoZ(extension);
    if (!key.empty() && key.front() == '.')
        key.erase(key.begin());
    return key;
}

} // namespace

void TPictureFormats::RegisterFileFormat(const std::string& extension, const std::string& description,
                                         TBitmapFactory factory)
{
    UnregisterFileFormat(extension);
    formats_.push_back({Key(extension), description, std::move(factory)});
}

void TPictureFormats::UnregisterFileFormat(const std::string& extension)
{
    const auto key = Key(extension);
    std::erase_if(formats_, [&](const Format& f) { return f.extension == key; });
}

bool TPictureFormats::IsRegistered(const std::string& extension) const
{
    return find(extension) != nullptr;
}

std::string TPictureFormats::Description(const std::string& extension) const
{
    const auto* format = find(extension);
    return format ? format->description : std::string();
}

const TPictureFormats::Format* TPictureFormats::find(const std::string& extension) const
{
    const auto key = Key(extension);
    const auto at = std::find_if(formats_.begin(), formats_.end(), [&](const Format& f) { return f.extension == key; });
    return at == formats_.end() ? nullptr : &*at;
}

std::unique_ptr<TBitmap> TPictureFormats::LoadPicture(FileSystem& files, Ui& ui, const std::string& path) const
{
    const auto extension = fileExtension(path);
    std::unique_ptr<TBitmap> bitmap;
    if (const auto* format = find(extension))
        bitmap = format->factory(ui);
    else if (Key(extension) == "BMP")
        bitmap = std::make_unique<TBitmap>();
    else
        throw Error("Unknown picture file extension (" + extension + ")");
    const auto bytes = files.readFile(path);
    if (!bytes)
        throw Error(formatMessage("Cannot open file %s", path));
    bitmap->LoadFromStream(*bytes);
    return bitmap;
}

TPictureFormats& PictureFormats()
{
    static TPictureFormats formats;
    return formats;
}

GifFormatRegistration::GifFormatRegistration(TPictureFormats& formats) : formats_(formats)
{
    formats_.RegisterFileFormat("gif", "GIF-Format", [](Ui& ui) { return std::make_unique<TGifBitmap>(ui); });
}

GifFormatRegistration::~GifFormatRegistration()
{
    formats_.UnregisterFileFormat("gif");
}

} // namespace lv::imaging
