// Converting chosen pictures into the preview and wallpaper bitmaps, over
// the fake file system.
#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeUserDialogs.h"
#include "imaging/Bitmap.h"
#include "imaging/ConvertImage.h"
#include "imaging/GifTestSupport.h"
#include "imaging/ImageTestSupport.h"
#include "imaging/PictureFormats.h"
#include "base/Error.h"

namespace lv::imaging {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Classified {
    const char* name;
    ImageClass kind;
};

class ExtensionClass : public ::testing::TestWithParam<Classified> {};

TEST_P(ExtensionClass, FollowsTheUpperCasedExtensionExactly)
{
    EXPECT_EQ(ClassifyImageFile(GetParam().name), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExtensionClass,
    ::testing::Values(Classified{"C:\\pics\\picture.JPEG", ImageClass::Jpeg},
                      Classified{"C:\\pics\\picture.jpeg", ImageClass::Jpeg},
                      Classified{"C:\\pics\\picture.Jpg", ImageClass::Jpeg},
                      Classified{"C:\\pics\\picture.jpe", ImageClass::Other},
                      Classified{"C:\\pics\\picture.jfif", ImageClass::Other},
                      Classified{"C:\\pics\\picture.dib", ImageClass::Other},
                      Classified{"C:\\pics\\logo.SYS", ImageClass::Copy},
                      Classified{"C:\\pics\\a.b.bmp", ImageClass::Copy},
                      Classified{"C:\\pics\\icon.ico", ImageClass::Icon},
                      Classified{"C:\\pics\\anim.Gif", ImageClass::Gif},
                      Classified{"C:\\pics.gif\\noextension", ImageClass::Other},
                      Classified{"C:\\pics\\gif", ImageClass::Other},
                      Classified{"C:\\pics\\trailingdot.", ImageClass::Other}));

class Conversion : public ::testing::Test {
protected:
    Conversion()
    {
        files.addFolder("C:\\pics");
        preview = files.programDirectory() + "LumivaneTemp.bmp";
        wallpaper = files.programDirectory() + "LumivaneWallpaper.bmp";
    }

    void Convert(const std::string& name, bool forWallpaper = false)
    {
        ConvertImageToBitmap(conversion, name, forWallpaper);
    }
    std::string ConvertError(const std::string& name, bool forWallpaper = false)
    {
        try {
            Convert(name, forWallpaper);
        } catch (const Error& e) {
            return e.what();
        }
        return "";
    }
    TBitmap Target(const std::string& path)
    {
        TBitmap bitmap;
        bitmap.LoadFromFile(files, path);
        return bitmap;
    }
    Bytes SmallGif(int width, int height, int frames = 1)
    {
        test::GifLayout layout;
        layout.global = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
        for (int i = 0; i < frames; ++i) {
            test::GifImage image;
            image.width = width + i;
            image.height = height + i;
            image.pixels = test::Pattern(image.width, image.height, 4, static_cast<unsigned>(i));
            layout.images.push_back(image);
        }
        return test::BuildGif(layout);
    }
    Bytes Jpeg(int width, int height)
    {
        return test::EncodeJpeg(test::Gradient(width, height, 3), width, height, 3, 85, false);
    }

    fakes::FakeFileSystem files;
    fakes::FakeUi ui;
    ImageConversion conversion{files, ui, PictureDepth::TrueColor};
    std::string preview;
    std::string wallpaper;
};

TEST_F(Conversion, CopiesLogoFilesAndClearsTheAttributesTheyBring)
{
    const Bytes logo = {'B', 'M', 1, 2, 3, 4, 5};
    files.addFile("C:\\pics\\logo.sys", logo, FileAttr::Hidden | FileAttr::System | FileAttr::ReadOnly);
    Convert("C:\\pics\\logo.sys");
    EXPECT_EQ(files.readFile(preview), logo);
    const auto attributes = files.attributes(preview);
    ASSERT_TRUE(attributes);
    EXPECT_EQ(*attributes & (FileAttr::ReadOnly | FileAttr::Hidden | FileAttr::System), 0u);

    // the next conversion can replace it
    files.addFile("C:\\pics\\next.gif", SmallGif(4, 3));
    Convert("C:\\pics\\next.gif");
    EXPECT_EQ(Target(preview).Width(), 4);
}

TEST_F(Conversion, AMissingBitmapOrAnOtherFileLeavesTheTargetAsItWas)
{
    const Bytes before = {'o', 'l', 'd'};
    files.addFile(preview, before, FileAttr::Hidden);
    files.addFile("C:\\pics\\notes.txt", std::string("text"));
    Convert("C:\\pics\\missing.bmp");
    Convert("C:\\pics\\notes.txt");
    Convert("C:\\pics\\photo.jpe");
    EXPECT_EQ(files.readFile(preview), before);
    // the attributes are still cleared whatever the class
    EXPECT_EQ(*files.attributes(preview) & FileAttr::Hidden, 0u);
}

TEST_F(Conversion, IconsAreDrawnOnWhiteAtTheirOwnSizeAndTheRunsDepth)
{
    test::IconLayout icon;
    icon.bits = 4;
    icon.palette = {0x000000, 0x336699};
    icon.palette.resize(16, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool corner = (x < 3 || x > 28) && (y < 3 || y > 28);
            icon.colors.push_back(corner ? 0 : 1);
            icon.transparent.push_back(corner);
        }
    files.addFile("C:\\pics\\app.ico", test::IconFile({icon}));
    for (const auto& [depth, bits] : {std::pair{PictureDepth::TrueColor, 24}, std::pair{PictureDepth::Palette, 8}}) {
        conversion.depth = depth;
        Convert("C:\\pics\\app.ico");
        const auto bitmap = Target(preview);
        EXPECT_EQ(bitmap.BitsPerPixel(), bits);
        EXPECT_EQ(bitmap.Width(), 32);
        EXPECT_EQ(bitmap.Height(), 32);
        // a palette of the icon's own colours keeps them exactly
        EXPECT_EQ(bitmap.PixelColor(0, 0), 0xFFFFFFu);
        EXPECT_EQ(bitmap.PixelColor(31, 31), 0xFFFFFFu);
        EXPECT_EQ(bitmap.PixelColor(16, 16), 0x336699u);
    }
}

TEST_F(Conversion, IconsOfMoreThan256ColoursTakeTheNearestOfAnEvenPalette)
{
    test::IconLayout icon;
    icon.bits = 24;
    for (int i = 0; i < 32 * 32; ++i) {
        icon.colors.push_back(static_cast<std::uint32_t>(i * 0x010203) & 0xFFFFFF);
        icon.transparent.push_back(false);
    }
    files.addFile("C:\\pics\\many.ico", test::IconFile({icon}));
    conversion.depth = PictureDepth::Palette;
    Convert("C:\\pics\\many.ico");
    const auto bitmap = Target(preview);
    EXPECT_EQ(bitmap.BitsPerPixel(), 8);
    for (int i : {0, 100, 1023}) {
        const auto wanted = icon.colors[static_cast<std::size_t>(i)];
        const auto got = bitmap.PixelColor(i % 32, i / 32);
        // steps of 255 / 7 for red and green, 255 / 3 for blue
        EXPECT_NEAR(static_cast<int>(got >> 16), static_cast<int>(wanted >> 16), 19) << i;
        EXPECT_NEAR(static_cast<int>((got >> 8) & 0xFF), static_cast<int>((wanted >> 8) & 0xFF), 19) << i;
        EXPECT_NEAR(static_cast<int>(got & 0xFF), static_cast<int>(wanted & 0xFF), 43) << i;
    }
}

TEST_F(Conversion, JpegPicturesKeepTheirSizeAtTheRunsDepth)
{
    files.addFile("C:\\pics\\photo.Jpg", Jpeg(1024, 768));
    Convert("C:\\pics\\photo.Jpg", true);
    auto bitmap = Target(wallpaper);
    EXPECT_EQ(bitmap.Width(), 1024);
    EXPECT_EQ(bitmap.Height(), 768);
    EXPECT_EQ(bitmap.BitsPerPixel(), 24);
    EXPECT_FALSE(files.fileExists(preview));
    EXPECT_GE(ui.messagePumps, 3); // one run of the messages a quarter megapixel
    EXPECT_EQ(ui.hourglassOn, ui.hourglassOff);
    EXPECT_FALSE(ui.hourglass);

    conversion.depth = PictureDepth::Palette;
    files.addFile("C:\\pics\\small.JPEG", Jpeg(40, 20));
    Convert("C:\\pics\\small.JPEG");
    bitmap = Target(preview);
    EXPECT_EQ(bitmap.BitsPerPixel(), 8);
    EXPECT_EQ(bitmap.Width(), 40);
}

TEST_F(Conversion, AnimatedGifsGiveTheirFirstImage)
{
    files.addFile("C:\\pics\\anim.gif", SmallGif(6, 5, 3));
    Convert("C:\\pics\\anim.gif");
    const auto bitmap = Target(preview);
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(bitmap.Height(), 5);
    EXPECT_EQ(bitmap.BitsPerPixel(), 8);
    EXPECT_GE(ui.messagePumps, 5 + 6 + 7);
    EXPECT_FALSE(ui.hourglass);
}

TEST_F(Conversion, PreviewsNeverTouchTheWallpaperBitmap)
{
    const Bytes current = {'c', 'u', 'r'};
    files.addFile(wallpaper, current);
    files.addFile("C:\\pics\\a.gif", SmallGif(3, 3));
    Convert("C:\\pics\\a.gif");
    EXPECT_EQ(files.readFile(wallpaper), current);
    Convert("C:\\pics\\a.gif", true);
    EXPECT_EQ(Target(wallpaper).Width(), 3);
}

TEST_F(Conversion, FailuresKeepThePreviousTargetAndLeaveNoTemporaryFile)
{
    const Bytes before = {'p', 'r', 'e', 'v'};
    files.addFile(preview, before, FileAttr::Hidden);
    auto corrupt = SmallGif(4, 4);
    corrupt[4] = '0'; // "80a"
    files.addFile("C:\\pics\\bad.gif", corrupt);
    files.addFile("C:\\pics\\bad.jpg", Bytes{1, 2, 3});
    files.addFile("C:\\pics\\bad.ico", Bytes{0, 0, 2, 0});

    struct Case {
        const char* name;
        const char* message;
    };
    for (const auto& c : {Case{"C:\\pics\\bad.gif", "Gif Version must be 87a or 89a"},
                          Case{"C:\\pics\\bad.jpg", "JPEG error #53"},
                          Case{"C:\\pics\\bad.ico", "Icon image is not valid"},
                          Case{"C:\\pics\\none.gif", "Cannot open file C:\\pics\\none.gif"},
                          Case{"C:\\pics\\none.jpeg", "Cannot open file C:\\pics\\none.jpeg"},
                          Case{"C:\\pics\\none.ico", "Cannot open file C:\\pics\\none.ico"}}) {
        EXPECT_EQ(ConvertError(c.name), c.message);
        EXPECT_EQ(files.readFile(preview), before) << c.name;
        // the attribute step is skipped too
        EXPECT_NE(*files.attributes(preview) & FileAttr::Hidden, 0u) << c.name;
        EXPECT_EQ(files.listFiles(files.programDirectory()).size(), 1u) << c.name;
    }
    EXPECT_FALSE(ui.hourglass);
}

TEST_F(Conversion, ATargetThatCannotBeReplacedIsReportedAndKept)
{
    const Bytes locked = {'l', 'o', 'c', 'k'};
    files.addFile(preview, locked, FileAttr::ReadOnly);
    files.addFile("C:\\pics\\a.gif", SmallGif(2, 2));
    EXPECT_EQ(ConvertError("C:\\pics\\a.gif"), "Cannot create file " + preview);
    EXPECT_EQ(files.readFile(preview), locked);
    EXPECT_EQ(files.listFiles(files.programDirectory()).size(), 1u);
}

TEST(PictureFormatRegistry, GifIsReadByTheDecoderWhileRegistered)
{
    fakes::FakeFileSystem files;
    fakes::FakeUi ui;
    files.addFolder("C:\\pics");
    test::GifLayout layout;
    test::GifImage image;
    image.width = 7;
    image.height = 2;
    image.pixels = test::Pattern(7, 2, 2);
    layout.images.push_back(image);
    files.addFile("C:\\pics\\a.GIF", test::BuildGif(layout));
    files.addFile("C:\\pics\\b.bmp", CreateBitmapFile(3, 1, 24, {}, 0));

    TPictureFormats formats;
    {
        GifFormatRegistration registration(formats);
        EXPECT_TRUE(formats.IsRegistered("gif"));
        EXPECT_EQ(formats.Description("GIF"), "GIF-Format");
        const auto bitmap = formats.LoadPicture(files, ui, "C:\\pics\\a.GIF");
        EXPECT_EQ(bitmap->Width(), 7);
        EXPECT_EQ(bitmap->BitsPerPixel(), 8);
        EXPECT_EQ(ui.hourglassOn, 1);
    }
    EXPECT_FALSE(formats.IsRegistered("gif"));
    EXPECT_EQ(formats.LoadPicture(files, ui, "C:\\pics\\b.bmp")->Width(), 3);
    try {
        formats.LoadPicture(files, ui, "C:\\pics\\a.GIF");
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Unknown picture file extension (.GIF)");
    }
}

} // namespace
} // namespace lv::imaging
