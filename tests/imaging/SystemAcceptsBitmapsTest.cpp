// The bitmap files the conversion writes are ones the system itself reads:
// LoadImage takes them and SPI_SETDESKWALLPAPER accepts them (under Wine in
// the Windows build; there is nothing to ask natively).
#ifdef _WIN32
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "imaging/GifTestSupport.h"
#include "imaging/GifUnit.h"
#include "imaging/IconImage.h"
#include "imaging/ImageTestSupport.h"
#include "imaging/JpegImage.h"

namespace lv::imaging {
namespace {

std::string TemporaryPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> WrittenBitmaps()
{
    test::RecordingUi ui;
    TGifFile gif(ui);
    test::GifLayout layout;
    test::GifImage image;
    image.width = 33;
    image.height = 7;
    image.pixels = test::Pattern(33, 7, 2);
    layout.images.push_back(image);
    gif.LoadFromStream(test::BuildGif(layout));

    test::IconLayout icon;
    icon.bits = 4;
    icon.palette.assign(16, 0x00FF00);
    icon.colors.assign(32 * 32, 3);
    icon.transparent.assign(32 * 32, false);

    const auto jpeg = test::EncodeJpeg(test::Gradient(50, 30, 3), 50, 30, 3, 80, false);
    return {{"lv-gif.bmp", gif.FirstImageBitmapFile()},
            {"lv-icon.bmp", DecodeIconToBitmapFile(test::IconFile({icon}))},
            {"lv-jpeg24.bmp", DecodeJpegToBitmapFile(jpeg, JpegPixelFormat::TrueColor24, ui, "a.jpg")},
            {"lv-jpeg8.bmp", DecodeJpegToBitmapFile(jpeg, JpegPixelFormat::Quantized8, ui, "a.jpg")}};
}

TEST(SystemAcceptsBitmaps, LoadImageReadsThemAtTheirSize)
{
    for (const auto& [name, bytes] : WrittenBitmaps()) {
        const auto path = TemporaryPath(name.c_str());
        Write(path, bytes);
        HANDLE bitmap = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
        EXPECT_NE(bitmap, nullptr) << name;
        if (bitmap) {
            BITMAP info{};
            GetObjectA(bitmap, sizeof info, &info);
            const auto* header = bytes.data() + 14;
            EXPECT_EQ(info.bmWidth, static_cast<LONG>(header[4] | header[5] << 8)) << name;
            DeleteObject(bitmap);
        }
        DeleteFileA(path.c_str());
    }
}

// Puts the session's wallpaper back: the desktop outlives this process and
// later programs in the session would otherwise meet a deleted file.
class WallpaperRestorer {
public:
    WallpaperRestorer() { SystemParametersInfoA(SPI_GETDESKWALLPAPER, MAX_PATH, original_, 0); }
    ~WallpaperRestorer() { SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, original_, 0); }
    WallpaperRestorer(const WallpaperRestorer&) = delete;
    WallpaperRestorer& operator=(const WallpaperRestorer&) = delete;

private:
    char original_[MAX_PATH] = {};
};

TEST(SystemAcceptsBitmaps, TheWallpaperCanBeSetFromThem)
{
    WallpaperRestorer restorer;
    for (const auto& [name, bytes] : WrittenBitmaps()) {
        const auto path = TemporaryPath(name.c_str());
        Write(path, bytes);
        EXPECT_TRUE(SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(path.c_str()), 0)) << name;
        char current[MAX_PATH] = {};
        SystemParametersInfoA(SPI_GETDESKWALLPAPER, MAX_PATH, current, 0);
        EXPECT_EQ(std::string(current), path);
        DeleteFileA(path.c_str());
    }
}

} // namespace
} // namespace lv::imaging
#endif
