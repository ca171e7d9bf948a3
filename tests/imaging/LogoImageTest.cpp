// Pictures made into the logo format: 320 x 400, 256 colours, the picture
// fitted into the 4:3 screen the logo is stretched over.
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeUserDialogs.h"
#include "imaging/Bitmap.h"
#include "imaging/ConvertImage.h"
#include "imaging/LogoImage.h"
#include "imaging/PeakMemory.h"

#include <gtest/gtest.h>

namespace {

using namespace lv::imaging;

std::vector<std::uint8_t> Filled(std::uint32_t width, std::uint32_t height, std::uint8_t red)
{
    auto file = CreateBitmapFile(width, height, 24, {}, 0);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x)
            BitmapRowFromTop(file, y)[x * 3 + 2] = red;
    return file;
}

TEST(LogoImageTest, PictureIsFittedIntoTheScreenAndCentredOnBlack)
{
    struct Case {
        std::uint32_t width, height;
        int redLeft, redRight, redTop, redBottom; // the red area, inclusive, in logo pixels
    } cases[] = {
        {640, 480, 0, 319, 0, 399}, // 4:3 fills the whole logo
        {100, 100, 40, 279, 0, 399}, // a square leaves bars left and right
        {200, 50, 0, 319, 133, 266}, // a wide strip leaves bars above and below
    };
    for (const Case& c : cases) {
        TBitmap logo;
        logo.LoadFromStream(MakeLogoBitmapFile(Filled(c.width, c.height, 255)));
        ASSERT_EQ(logo.Width(), 320);
        ASSERT_EQ(logo.Height(), 400);
        EXPECT_EQ(logo.BitsPerPixel(), 8);
        for (int y = 0; y < 400; y += 7)
            for (int x = 0; x < 320; x += 3) {
                const bool red = x >= c.redLeft && x <= c.redRight && y >= c.redTop && y <= c.redBottom;
                ASSERT_EQ(logo.PixelColor(x, y), red ? 0xFF0000u : 0u) << c.width << "x" << c.height << " at " << x
                                                                       << "," << y;
            }
    }
}

// A large picture is decoded once and scaled from where it lies.
TEST(LogoImageTest, ALargePictureIsReadAndScaledWithoutASecondCopy)
{
    lv::fakes::FakeFileSystem files;
    lv::fakes::FakeUi ui;
    files.addFolder("C:\\pics");
    files.addFile("C:\\pics\\big.bmp", CreateBitmapFile(4096, 3072, 24, {}, 0)); // 36 MiB
    std::vector<std::uint8_t> logo;
    const auto peak = lv::imaging::test::PeakMemoryIncrease([&] {
        logo = MakeLogoBitmapFile(DecodePictureFile({files, ui, PictureDepth::TrueColor}, "C:\\pics\\big.bmp"));
    });
    EXPECT_EQ(ReadBitmapSize(logo).width, 320);
    if (!peak)
        GTEST_SKIP() << "no peak memory figures here";
    EXPECT_LT(*peak, std::uint64_t{4096} * 3072 * 3 * 3 / 2);
}

} // namespace
