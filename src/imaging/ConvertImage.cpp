#include "imaging/ConvertImage.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "imaging/GifUnit.h"
#include "imaging/IconImage.h"
#include "imaging/JpegImage.h"
#include "imaging/MoreUtil.h"
#include "base/Error.h"
#include "base/Text.h"

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

// The new bitmap goes to a file beside the target first, so that a write
// that fails half way never leaves a damaged target behind.
void ReplaceTarget(FileSystem& files, const std::string& target, const std::vector<std::uint8_t>& bitmap)
{
    const auto temporary = target + ".tmp";
    if (!files.writeFile(temporary, bitmap)) {
        files.deleteFile(temporary);
        throw Error(formatMessage("Cannot create file %s", target));
    }
    const bool replaced = files.copyFile(temporary, target);
    files.deleteFile(temporary);
    if (!replaced)
        throw Error(formatMessage("Cannot create file %s", target));
}

std::vector<std::uint8_t> DecodeSource(const ImageConversionPorts& ports, ImageClass kind,
                                       const std::string& fileName)
{
    auto source = ReadSource(ports.files, fileName);
    switch (kind) {
    case ImageClass::Icon:
        return DecodeIconToBitmapFile(source);
    case ImageClass::Jpeg: {
        HourglassCursor hourglass(ports.ui);
        const auto format = ports.screen.colorBits() <= 8 ? JpegPixelFormat::Quantized8 : JpegPixelFormat::TrueColor24;
        return DecodeJpegToBitmapFile(source, format);
    }
    case ImageClass::Gif: {
        TGifFile gif(ports.ui);
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
    const auto extension = upperExtension(fileName);
    if (extension == ".BMP" || extension == ".SYS")
        return ImageClass::Copy;
    if (extension == ".ICO")
        return ImageClass::Icon;
    if (extension == ".JPG" || extension == ".JPEG")
        return ImageClass::Jpeg;
    if (extension == ".GIF")
        return ImageClass::Gif;
    return ImageClass::Other;
}

void ConvertImageToBitmap(const ImageConversionPorts& ports, const std::string& fileName, bool forWallpaper)
{
    auto& files = ports.files;
    const auto target = files.programDirectory() + (forWallpaper ? WallpaperBitmapName : PreviewBitmapName);
    const auto kind = ClassifyImageFile(fileName);
    if (kind == ImageClass::Copy)
        files.copyFile(fileName, target); // a failing copy leaves the target as it was
    else if (kind != ImageClass::Other)
        ReplaceTarget(files, target, DecodeSource(ports, kind, fileName));

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

void ConvertImageToBitmap(Platform& platform, const std::string& fileName, bool forWallpaper)
{
    ConvertImageToBitmap(ImageConversionPorts{platform.files, platform.screen, platform.ui}, fileName, forWallpaper);
}

} // namespace lv::imaging
