// Bitmap files, icons and JPEG pictures: what they decode to and how bad
// input is refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <jerror.h>

#include "imaging/Bitmap.h"
#include "imaging/GifTestSupport.h"
#include "imaging/IconImage.h"
#include "imaging/ImageTestSupport.h"
#include "imaging/JpegImage.h"
#include "imaging/MoreUtil.h"

namespace lv::imaging {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;

TBitmap Loaded(const Bytes& file)
{
    TBitmap bitmap;
    bitmap.LoadFromStream(file);
    return bitmap;
}

Bytes Decode(const Bytes& jpeg, JpegPixelFormat format)
{
    RecordingUi ui;
    return DecodeJpegToBitmapFile(jpeg, format, ui, "C:\\pics\\photo.jpg");
}

std::string ErrorOf(auto&& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

TEST(BitmapFile, TrueColourFilesHaveTheShortHeaderAndPaddedBottomUpRows)
{
    auto file = CreateBitmapFile(5, 3, 24, {}, 0);
    ASSERT_EQ(file.size(), 54u + 16 * 3); // 15 bytes a row padded to 16
    EXPECT_EQ(ReadLE32(file.data() + 2), file.size());
    EXPECT_EQ(ReadLE32(file.data() + 10), 54u);
    EXPECT_EQ(ReadLE16(file.data() + 28), 24);
    BitmapRowFromTop(file, 0)[0] = 0x11; // blue of the top-left pixel
    EXPECT_EQ(file[54 + 16 * 2], 0x11);  // stored last
    const auto bitmap = Loaded(file);
    EXPECT_EQ(bitmap.PixelColor(0, 0), 0x11u);
}

TEST(BitmapFile, RefusesPicturesBeyondTheSizeLimit)
{
    EXPECT_EQ(ErrorOf([] { CreateBitmapFile(9000, 9000, 24, {}, 0); }), "Picture is too large (9000 x 9000)");
    EXPECT_NO_THROW(CheckPictureSize(8192, 8192));
}

TEST(BitmapFile, LoadingRefusesDamagedHeaders)
{
    const auto good = CreateBitmapFile(4, 4, 8, {}, 0);
    struct Damage {
        std::size_t at;
        std::uint8_t value;
    };
    for (const auto& d : {Damage{0, 'X'}, Damage{14, 12}, Damage{18, 0}, Damage{26, 2}, Damage{28, 16},
                          Damage{30, 1}, Damage{10, 0xFF}, Damage{23, 0x10}}) {
        auto bad = good;
        bad[d.at] = d.value;
        EXPECT_EQ(ErrorOf([&] { Loaded(bad); }), "Bitmap image is not valid") << d.at;
    }
    EXPECT_EQ(ErrorOf([&] { Loaded(Bytes(good.begin(), good.end() - 1)); }), "Bitmap image is not valid");
    EXPECT_EQ(ErrorOf([&] { Loaded({}); }), "Bitmap image is not valid");
    EXPECT_NO_THROW(Loaded(good));
}

// --- icons

IconLayout Icon(int size, int bits)
{
    IconLayout s;
    s.width = s.height = size;
    s.bits = bits;
    s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    s.palette.resize(bits <= 8 ? (1u << bits) : 0, 0x123456);
    if (bits == 1)
        s.palette = {0x000000, 0xFFFFFF};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool corner = (x < 2 || x >= size - 2) && (y < 2 || y >= size - 2);
            s.transparent.push_back(corner);
            if (bits <= 8)
                s.colors.push_back(corner ? 0u : (bits == 1 ? 0u : 1u + static_cast<unsigned>(x % 3)));
            else
                s.colors.push_back(corner ? 0u : 0x102030u + static_cast<unsigned>(x));
        }
    return s;
}

class IconDepth : public ::testing::TestWithParam<int> {};

TEST_P(IconDepth, DrawsOnWhiteWithTheMaskApplied)
{
    const int bits = GetParam();
    const auto layout = Icon(32, bits);
    const auto bitmap = Loaded(DecodeIconToBitmapFile(IconFile({layout})));
    EXPECT_EQ(bitmap.Width(), 32);
    EXPECT_EQ(bitmap.Height(), 32);
    EXPECT_EQ(bitmap.BitsPerPixel(), 24);
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
        EXPECT_EQ(bitmap.PixelColor(x, y), 0xFFFFFFu) << x << "," << y;
    for (int x : {5, 6, 7}) {
        const auto c = layout.colors[static_cast<std::size_t>(10 * 32 + x)];
        const auto expected = bits <= 8 ? layout.palette[c] : c;
        EXPECT_EQ(bitmap.PixelColor(x, 10), expected) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, IconDepth, ::testing::Values(1, 4, 8, 24, 32));

TEST(IconImage, MaskedColoursInvertTheWhiteBackground)
{
    auto layout = Icon(16, 24);
    layout.colors[0] = 0x00FF00;
    const auto bitmap = Loaded(DecodeIconToBitmapFile(IconFile({layout})));
    EXPECT_EQ(bitmap.PixelColor(0, 0), 0xFF00FFu);
}

TEST(IconImage, AlphaBlendsOverWhiteAndWinsOverTheMask)
{
    auto layout = Icon(32, 32);
    layout.alpha.assign(32 * 32, 255);
    layout.alpha[0] = 0;
    layout.alpha[1] = 128;
    layout.colors[1] = 0x000000;
    layout.transparent.assign(32 * 32, false);
    const auto bitmap = Loaded(DecodeIconToBitmapFile(IconFile({layout})));
    EXPECT_EQ(bitmap.PixelColor(0, 0), 0xFFFFFFu);
    EXPECT_EQ(bitmap.PixelColor(1, 0), 0x7F7F7Fu);
    EXPECT_EQ(bitmap.PixelColor(5, 5), layout.colors[5 * 32 + 5]);
}

TEST(IconImage, TakesTheDeepest32By32ImageElseTheFirst)
{
    const auto small = Icon(16, 8);
    const auto shallow = Icon(32, 4);
    const auto deep = Icon(32, 24);
    const auto large = Icon(48, 8);
    auto picked = Loaded(DecodeIconToBitmapFile(IconFile({small, shallow, deep})));
    EXPECT_EQ(picked.Width(), 32);
    EXPECT_EQ(picked.PixelColor(5, 10), deep.colors[10 * 32 + 5]);
    picked = Loaded(DecodeIconToBitmapFile(IconFile({large, small})));
    EXPECT_EQ(picked.Width(), 48);
}

TEST(IconImage, RefusesAnythingButAValidIcon)
{
    const auto good = IconFile({Icon(32, 8)});
    std::vector<Bytes> bad;
    bad.push_back({});
    bad.push_back(Bytes(good.begin(), good.begin() + 10));  // directory cut
    bad.push_back(Bytes(good.begin(), good.begin() + 300)); // image cut
    auto cursor = good;
    cursor[2] = 2;
    bad.push_back(cursor);
    auto none = good;
    none[4] = 0;
    bad.push_back(none);
    auto farOffset = good;
    farOffset[21] = 0x7F;
    bad.push_back(farOffset);
    auto sixteenBits = good;
    sixteenBits[22 + 14] = 16;
    bad.push_back(sixteenBits);
    auto compressed = good;
    compressed[22 + 16] = 1;
    bad.push_back(compressed);
    auto png = good;
    png[22] = 0x89;
    png[23] = 'P';
    bad.push_back(png);
    auto noMask = Icon(32, 8);
    noMask.writeMask = false;
    bad.push_back(IconFile({noMask}));
    bad.push_back(Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0});
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_EQ(ErrorOf([&] { DecodeIconToBitmapFile(bad[i]); }), "Icon image is not valid") << i;
}

// --- JPEG

struct JpegCase {
    const char* name;
    int width;
    int height;
    int components;
    bool progressive;
};

class JpegRoundTrip : public ::testing::TestWithParam<JpegCase> {};

TEST_P(JpegRoundTrip, GivesLibjpegsPixelsBottomUpAtFullSize)
{
    const auto& c = GetParam();
    const auto jpeg = EncodeJpeg(Gradient(c.width, c.height, c.components), c.width, c.height, c.components, 90,
                                 c.progressive);
    const auto reference = ReferenceDecode(jpeg);
    const auto bitmap = Loaded(Decode(jpeg, JpegPixelFormat::TrueColor24));
    ASSERT_EQ(bitmap.Width(), c.width);
    ASSERT_EQ(bitmap.Height(), c.height);
    EXPECT_EQ(bitmap.BitsPerPixel(), 24);
    int mismatches = 0;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const auto* p = reference.data() + (static_cast<std::size_t>(y) * c.width + x) * 3;
            const auto expected = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
            mismatches += bitmap.PixelColor(x, y) != expected;
        }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, JpegRoundTrip,
                         ::testing::Values(JpegCase{"Baseline", 37, 23, 3, false},
                                           JpegCase{"Progressive", 64, 48, 3, true},
                                           JpegCase{"Grey", 30, 17, 1, false},
                                           JpegCase{"NotScaledToAnyScreen", 1024, 768, 3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JpegImage, CmykPicturesAreShownInRgbAsAdobeStoresThemAtEitherDepth)
{
    // Adobe's CMYK files hold 255 - ink in each channel.
    Bytes pixels;
    for (int i = 0; i < 16 * 16; ++i)
        pixels.insert(pixels.end(), {200, 100, 50, 255});
    const auto jpeg = EncodeJpeg(pixels, 16, 16, 4, 100, false);
    for (const auto& [format, bits] : {std::pair{JpegPixelFormat::TrueColor24, 24}, std::pair{JpegPixelFormat::Quantized8, 8}}) {
        const auto bitmap = Loaded(Decode(jpeg, format));
        EXPECT_EQ(bitmap.BitsPerPixel(), bits);
        // quantised pictures are dithered: their average keeps the colour
        int sum[3] = {};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                for (int c = 0; c < 3; ++c)
                    sum[c] += static_cast<int>((bitmap.PixelColor(x, y) >> (16 - 8 * c)) & 0xFF);
        EXPECT_NEAR(sum[0] / 256, 200, 6) << bits;
        EXPECT_NEAR(sum[1] / 256, 100, 6) << bits;
        EXPECT_NEAR(sum[2] / 256, 50, 6) << bits;
    }
}

TEST(JpegImage, QuantisesToAPaletteForPaletteDisplays)
{
    const auto pixels = Gradient(40, 30, 3);
    const auto jpeg = EncodeJpeg(pixels, 40, 30, 3, 95, false);
    const auto bitmap = Loaded(Decode(jpeg, JpegPixelFormat::Quantized8));
    EXPECT_EQ(bitmap.BitsPerPixel(), 8);
    EXPECT_EQ(bitmap.Width(), 40);
    const auto reference = ReferenceDecode(jpeg);
    long error = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const auto c = bitmap.PixelColor(x, y);
            const auto* p = reference.data() + (y * 40 + x) * 3;
            error += std::abs(static_cast<int>(c >> 16) - p[0]) + std::abs(static_cast<int>((c >> 8) & 0xFF) - p[1]) +
                     std::abs(static_cast<int>(c & 0xFF) - p[2]);
        }
    EXPECT_LT(error / (40 * 30 * 3), 16); // dithered, but close
}

TEST(JpegImage, LibraryErrorsBecomeItsMessageNumber)
{
    const auto jpeg = EncodeJpeg(Gradient(16, 16, 3), 16, 16, 3, 80, false);
    struct Bad {
        Bytes data;
        int code;
    };
    auto wrongMarker = jpeg;
    wrongMarker[1] = 0x00;
    const Bad cases[] = {
        {{}, JERR_INPUT_EMPTY},
        {Bytes{'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'}, JERR_NO_SOI},
        {wrongMarker, JERR_NO_SOI},
        {Bytes(jpeg.begin(), jpeg.begin() + 4), JERR_NO_IMAGE}, // the source ends in a made-up EOI
    };
    for (const auto& c : cases) {
        try {
            Decode(c.data, JpegPixelFormat::TrueColor24);
            ADD_FAILURE() << c.code;
        } catch (const EJpegError& e) {
            EXPECT_EQ(e.MessageCode(), c.code);
            EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(c.code));
        }
    }
}

// libjpeg fills what a file lacks with grey and calls it a warning: a file
// cut off must not pass for a picture. A missing end marker and stray bytes
// before a marker, common in cameras' files, stay harmless.
TEST(JpegImage, DataThatEndsBeforeThePictureIsCompleteIsRefused)
{
    const auto baseline = EncodeJpeg(Gradient(64, 64, 3), 64, 64, 3, 80, false);
    const auto progressive = EncodeJpeg(Gradient(64, 64, 3), 64, 64, 3, 80, true);
    const auto header = [](const Bytes& jpeg, int scan) { // where the scan's header starts
        std::size_t at = 2;
        for (int found = 0; at + 1 < jpeg.size(); ++at)
            if (jpeg[at] == 0xFF && jpeg[at + 1] == 0xDA && ++found == scan)
                break;
        return at;
    };
    const auto data = [&](const Bytes& jpeg, int scan) { // where its coded data starts
        const auto at = header(jpeg, scan);
        return at + 2 + static_cast<std::size_t>(jpeg[at + 2] << 8 | jpeg[at + 3]);
    };
    const auto first = [](const Bytes& jpeg, std::size_t size) { return Bytes(jpeg.begin(), jpeg.begin() + static_cast<long>(size)); };
    auto stray = baseline;
    stray.insert(stray.end() - 2, {0x12, 0x34, 0x56});
    struct Cut {
        const char* name;
        Bytes data;
        bool refused;
    };
    const Cut cases[] = {
        {"baseline cut in its scan", first(baseline, baseline.size() / 2), true},
        {"baseline cut right after its scan data starts", first(baseline, data(baseline, 1) + 2), true},
        {"progressive cut in its third scan", first(progressive, data(progressive, 3) + 2), true},
        {"progressive cut between scans", first(progressive, header(progressive, 4)), true},
        {"baseline without its end marker", first(baseline, baseline.size() - 2), false},
        {"progressive without its end marker", first(progressive, progressive.size() - 2), false},
        {"stray bytes before the end marker", stray, false},
    };
    for (const auto& c : cases)
        for (const auto format : {JpegPixelFormat::TrueColor24, JpegPixelFormat::Quantized8}) {
            const auto message = ErrorOf([&] { EXPECT_EQ(Loaded(Decode(c.data, format)).Width(), 64) << c.name; });
            EXPECT_EQ(message, c.refused ? "JPEG error #" + std::to_string(JWRN_JPEG_EOF) : "") << c.name;
        }
}

} // namespace
} // namespace lv::imaging
