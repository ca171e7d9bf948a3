#include "imaging/ConvertImage.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "imaging/Bitmap.h"
#include "imaging/Dib.h"
#include "imaging/GifUnit.h"
#include "imaging/IconImage.h"
#include "imaging/JpegImage.h"
#include "imaging/MoreUtil.h"
#include "base/Error.h"
#include "base/Text.h"
#include "platform/FileProtection.h"

namespace lv::imaging {

namespace {

constexpr std::uint32_t ClearedAttributes =
    FileAttr::ReadOnly | FileAttr::Hidden | FileAttr::System | FileAttr::Archive;

std::vector<std::uint8_t> ReadSource(FileSystem& files, const std::string& fileName)
{
    auto bytes = files.readFile(fileName);
    if (!bytes)
        throw Error(formatMessage("Cannot open file %s", fileName));
    return std::move(*bytes);
}

// The new bitmap goes to a file beside the target first and is then moved
// over it, so that a write that fails half way never leaves a damaged
// target behind.
void ReplaceTarget(FileSystem& files, const std::string& target, const std::vector<std::uint8_t>& bitmap)
{
    const auto temporary = target + ".tmp";
    if (!files.writeFile(temporary, bitmap) || !files.moveFile(temporary, target)) {
        files.deleteFile(temporary);
        throw WriteRefused(formatMessage("Cannot create file %s", target));
    }
}

std::vector<std::uint8_t> DecodeSource(const ImageConversion& conversion, ImageClass kind,
                                       const std::string& fileName)
{
    auto source = ReadSource(conversion.files, fileName);
    const bool palette = conversion.depth == PictureDepth::Palette;
    switch (kind) {
    case ImageClass::Icon: {
        auto bitmap = DecodeIconToBitmapFile(source);
        return palette ? ReduceToPalette(bitmap) : bitmap;
    }
    case ImageClass::Jpeg: {
        HourglassCursor hourglass(conversion.ui);
        return DecodeJpegToBitmapFile(source, palette ? JpegPixelFormat::Quantized8 : JpegPixelFormat::TrueColor24,
                                      conversion.ui, fileName);
    }
    case ImageClass::Gif: {
        TGifFile gif(conversion.ui);
        gif.LoadFromStream(std::move(source));
        return gif.FirstImageBitmap()->ReleaseFileBytes();
    }
    default:
        return {};
    }
}

} // namespace

ImageClass ClassifyImageFile(const std::string& fileName)
{
    const PictureFileType* type = pictureFileType(fileName);
    return type ? type->reader : ImageClass::Other;
}

void ConvertImageToBitmap(const ImageConversion& conversion, const std::string& fileName, bool forWallpaper)
{
    auto& files = conversion.files;
    const auto target = files.programDirectory() + (forWallpaper ? WallpaperBitmapName : PreviewBitmapName);
    const auto kind = ClassifyImageFile(fileName);
    if (kind == ImageClass::Copy) {
        // A failing copy leaves the target as it was. The preview then simply
        // stays; a wallpaper about to be applied must not be the old one, and
        // whose fault it was decides whether the picture or the target is
        // reported.
        if (!CopyOverFile(files, fileName, target) && forWallpaper) {
            if (!files.fileExists(fileName))
                throw Error(formatMessage("Cannot open file %s", fileName));
            throw WriteRefused(formatMessage("Cannot create file %s", target));
        }
    } else if (kind != ImageClass::Other)
        ReplaceTarget(files, target, DecodeSource(conversion, kind, fileName));

    // A copied logo file brings its read-only, hidden and system bits along.
    if (files.fileExists(target)) {
        if (const auto attributes = files.attributes(target)) {
            auto kept = *attributes & ~ClearedAttributes;
            if (kept == 0)
                kept = FileAttr::Normal;
            if (kept != *attributes)
                files.setAttributes(target, kept);
        }
    }
}

std::vector<std::uint8_t> DecodePictureFile(const ImageConversion& conversion, const std::string& fileName)
{
    const auto kind = ClassifyImageFile(fileName);
    if (kind == ImageClass::Other)
        throw Error("Unknown picture file extension (" + fileExtension(fileName) + ")");
    if (kind != ImageClass::Copy)
        return DecodeSource(conversion, kind, fileName);
    // Checked in place and handed on: a copy would double what a large
    // bitmap costs.
    auto bitmap = ReadSource(conversion.files, fileName);
    readBitmapFile(bitmap);
    return bitmap;
}

} // namespace lv::imaging
