// The GIF decoder against files built by the test encoder: pixels, tables,
// interlacing, the LZW corner cases and every message.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "imaging/GifUnit.h"
#include "imaging/GifTestSupport.h"

namespace lv::imaging {
namespace {

using namespace test;

std::vector<Rgb> Palette(int colors)
{
    std::vector<Rgb> table;
    for (int i = 0; i < colors; ++i)
        table.push_back({static_cast<std::uint8_t>(i * 7 + 1), static_cast<std::uint8_t>(255 - i),
                         static_cast<std::uint8_t>(i * 3)});
    return table;
}

Bytes DecodedPixels(const TGifSubImage& image)
{
    Bytes pixels;
    for (std::size_t row = 1; row <= image.Height(); ++row)
        for (std::size_t column = 1; column <= image.Width(); ++column)
            pixels.push_back(image.Pixel(column, row));
    return pixels;
}

std::string LoadError(const Bytes& file)
{
    RecordingUi ui;
    TGifFile gif(ui);
    try {
        gif.LoadFromStream(file);
        gif.FirstImageBitmapFile();
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

GifLayout OneImage(int width, int height, int colors, Bytes pixels)
{
    GifLayout layout;
    layout.global = Palette(colors);
    GifImage image;
    image.width = width;
    image.height = height;
    image.pixels = std::move(pixels);
    layout.images.push_back(image);
    return layout;
}

struct RoundTrip {
    const char* name;
    int width;
    int height;
    int colors;
    bool local;
    bool interlaced;
    FullTable fullTable;
};

class GifRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(GifRoundTrip, DecodesTheEncodedPixelsWithTheTableInUse)
{
    const auto& c = GetParam();
    GifLayout layout;
    layout.global = Palette(c.local ? 4 : c.colors);
    GifImage image;
    image.width = c.width;
    image.height = c.height;
    image.pixels = Pattern(c.width, c.height, c.colors, static_cast<unsigned>(c.width * 31 + c.height));
    image.interlaced = c.interlaced;
    image.lzw.fullTable = c.fullTable;
    if (c.local)
        image.local = Palette(c.colors);
    layout.images.push_back(image);

    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(BuildGif(layout));
    ASSERT_EQ(gif.ImageCount(), 1u);
    const auto& decoded = gif.GetImage(1);
    EXPECT_EQ(DecodedPixels(decoded), image.pixels);
    EXPECT_EQ(decoded.Interlaced, c.interlaced);
    EXPECT_EQ(decoded.LocalColorTablePresent, c.local);
    // one pump of the message queue per decoded row
    EXPECT_EQ(ui.messagePumps, c.height);

    const auto bitmap = gif.FirstImageBitmap();
    const auto table = Palette(c.colors);
    for (int y = 0; y < c.height; y += 1 + c.height / 5)
        for (int x = 0; x < c.width; x += 1 + c.width / 5) {
            const auto rgb = table[image.pixels[static_cast<std::size_t>(y * c.width + x)]];
            EXPECT_EQ(bitmap->PixelColor(x, y), (rgb.r << 16u) | (rgb.g << 8u) | rgb.b) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, GifRoundTrip,
    ::testing::Values(RoundTrip{"TwoColours", 13, 5, 2, false, false, FullTable::Clear},
                      RoundTrip{"FourColours", 9, 9, 4, false, false, FullTable::Clear},
                      RoundTrip{"EightColours", 17, 3, 8, false, false, FullTable::Clear},
                      RoundTrip{"SixteenColours", 31, 7, 16, false, false, FullTable::Clear},
                      RoundTrip{"ThirtyTwoColours", 8, 40, 32, false, false, FullTable::Clear},
                      RoundTrip{"SixtyFourColours", 50, 20, 64, false, false, FullTable::Clear},
                      RoundTrip{"OneTwentyEightColours", 64, 64, 128, false, false, FullTable::Clear},
                      RoundTrip{"FullPalette", 120, 90, 256, false, false, FullTable::Clear},
                      RoundTrip{"LocalTable", 20, 10, 16, true, false, FullTable::Clear},
                      RoundTrip{"LocalTableInterlaced", 20, 11, 256, true, true, FullTable::Clear},
                      RoundTrip{"TableFilledThenCleared", 300, 300, 256, false, false, FullTable::ClearAfterFull},
                      RoundTrip{"ManyClears", 400, 300, 4, false, false, FullTable::Clear}),
    [](const auto& info) { return std::string(info.param.name); });

class InterlacedHeight : public ::testing::TestWithParam<int> {};

TEST_P(InterlacedHeight, RowsLandInTheirPlacesThroughTheFourPasses)
{
    const int height = GetParam();
    Bytes pixels;
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < 3; ++x)
            pixels.push_back(static_cast<std::uint8_t>(row));
    auto layout = OneImage(3, height, 32, pixels);
    layout.images[0].interlaced = true;
    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(BuildGif(layout));
    EXPECT_EQ(DecodedPixels(gif.GetImage(1)), pixels);
}

INSTANTIATE_TEST_SUITE_P(HeightsOneToSeventeen, InterlacedHeight, ::testing::Range(1, 18));

TEST(GifInterlace, AWholeRowBeyondTheLastPassFailsWithTheBoundsError)
{
    // Height 3 takes rows 0, 2, 1; a fourth row has nowhere to go.
    auto layout = OneImage(2, 3, 4, Pattern(2, 3, 4));
    layout.images[0].interlaced = true;
    Bytes extra = Pattern(2, 4, 4);
    layout.images[0].rawData = true;
    layout.images[0].data = SubBlocks(LzwEncode(extra, 2));
    EXPECT_EQ(LoadError(BuildGif(layout)), "Dynamic array index out of bounds");
}

struct BadFile {
    const char* name;
    Bytes file;
    const char* message;
};

class GifMessages : public ::testing::TestWithParam<BadFile> {};

TEST_P(GifMessages, FailWithTheirExactMessage)
{
    EXPECT_EQ(LoadError(GetParam().file), GetParam().message);
}

Bytes WithVersion(const char* version)
{
    auto layout = OneImage(2, 2, 2, {0, 1, 1, 0});
    layout.version = version;
    return BuildGif(layout);
}

Bytes WithRawData(int codeSize, const std::vector<std::pair<int, int>>& codes, int width = 4, int height = 1)
{
    CodeWriter writer;
    for (const auto& [code, bits] : codes)
        writer.Put(code, bits);
    auto layout = OneImage(width, height, 4, {});
    layout.images[0].codeSize = codeSize;
    layout.images[0].rawData = true;
    layout.images[0].data = SubBlocks(writer.Finish());
    return BuildGif(layout);
}

Bytes WithCodeSize(int codeSize)
{
    auto layout = OneImage(2, 1, 2, {});
    layout.images[0].codeSize = codeSize;
    layout.images[0].rawData = true;
    layout.images[0].data = {1, 0, 0};
    return BuildGif(layout);
}

Bytes WithoutClearForever()
{
    // 300 x 300 of noise fills the table; the encoder then keeps going.
    auto layout = OneImage(300, 300, 256, Pattern(300, 300, 256, 7));
    layout.images[0].lzw.fullTable = FullTable::NeverClear;
    return BuildGif(layout);
}

Bytes WithExtension(std::uint8_t label)
{
    auto layout = OneImage(2, 1, 2, {0, 1});
    layout.images[0].before = {0x21, label, 0};
    return BuildGif(layout);
}

Bytes WithOneRowTooMany()
{
    auto layout = OneImage(4, 2, 4, {});
    layout.images[0].rawData = true;
    layout.images[0].data = SubBlocks(LzwEncode(Pattern(4, 3, 4), 2));
    return BuildGif(layout);
}

Bytes WithoutSubBlocks()
{
    auto layout = OneImage(4, 2, 4, {});
    layout.images[0].rawData = true;
    layout.images[0].data = {0};
    return BuildGif(layout);
}

Bytes WithoutImages()
{
    GifLayout layout;
    layout.beforeTrailer = Extension(0xFE, {}, {"just a comment"});
    return BuildGif(layout);
}

Bytes TooLarge()
{
    auto layout = OneImage(10000, 10000, 2, {});
    layout.images[0].rawData = true;
    layout.images[0].data = SubBlocks({0x0C});
    return BuildGif(layout);
}

Bytes ManyLargeFrames()
{
    // 4 x 8000 x 8000 fit one by one, not together in one file
    auto layout = OneImage(8000, 8000, 2, {});
    layout.images[0].rawData = true;
    layout.images[0].data = SubBlocks({0x0C});
    for (int i = 0; i < 4; ++i)
        layout.images.push_back(layout.images[0]);
    return BuildGif(layout);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, GifMessages,
    ::testing::Values(
        BadFile{"Version90a", WithVersion("90a"), "Gif Version must be 87a or 89a"},
        BadFile{"VersionLowerCaseA", WithVersion("89b"), "Gif Version must be 87a or 89a"},
        BadFile{"EmptyFile", {}, "Gif Version must be 87a or 89a"},
        BadFile{"ExtensionF8", WithExtension(0xF8), "Unrecognized extension block.\r\nCode = $F8"},
        BadFile{"Extension0A", WithExtension(0x0A), "Unrecognized extension block.\r\nCode = $0A"},
        BadFile{"CodeSizeOne", WithCodeSize(1), "Bad code Size"},
        BadFile{"CodeSizeTen", WithCodeSize(10), "Bad code Size"},
        BadFile{"EndCodeAfterClear", WithRawData(2, {{4, 3}, {5, 3}}), "Bad code"},
        BadFile{"CodeAboveNextFree", WithRawData(2, {{4, 3}, {1, 3}, {7, 3}}), "Bad code"},
        BadFile{"TableFullWithoutClear", WithoutClearForever(), "Code size overflow"},
        BadFile{"WholeRowTooMany", WithOneRowTooMany(), "Dynamic array index out of bounds"},
        BadFile{"NoDataSubBlock", WithoutSubBlocks(), "List index out of bounds (0)"},
        BadFile{"NoImageForTheBitmap", WithoutImages(), "List index out of bounds (0)"},
        BadFile{"DeclaredSizeBeyondTheLimit", TooLarge(), "Picture is too large (10000 x 10000)"},
        BadFile{"FramesBeyondTheFileLimit", ManyLargeFrames(),
                "Picture is too large (320000000 pixels in its 5 images, more than 268435456)"}),
    [](const auto& info) { return std::string(info.param.name); });

// Peak resident kilobytes of the process, optionally reset to the present
// use first; -1 where the system does not tell.
long PeakKb([[maybe_unused]] bool reset)
{
#ifdef __linux__
    if (reset)
        std::ofstream("/proc/self/clear_refs") << "5";
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
#endif
    return -1;
}

TEST(GifFile, FramesTogetherBeyondTheFileLimitAreRefusedByTheirTotalQuicklyAndSmall)
{
    // 129 frames of 1920 x 1080 fit in the file's budget, 130 do not;
    // each declares its full size but carries one pixel of data.
    auto layout = OneImage(1920, 1080, 2, {});
    layout.images[0].rawData = true;
    layout.images[0].data = SubBlocks({0x0C});
    layout.images.resize(129, layout.images[0]);
    const auto fitting = BuildGif(layout);
    layout.images.push_back(layout.images[0]);
    const auto beyond = BuildGif(layout);

    const long before = PeakKb(true);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(LoadError(beyond), "Picture is too large (269568000 pixels in its 130 images, more than 268435456)");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    if (before > 0) {
        EXPECT_LT(PeakKb(false) - before, 16 * 1024) << "the peak grew by more than 16 MiB";
    }

    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(fitting);
    EXPECT_EQ(gif.ImageCount(), 129u);
}

TEST(GifFile, AcceptsBothVersionsInEitherCaseAndAnySignature)
{
    for (const char* version : {"87a", "89a", "87A", "89A"}) {
        auto layout = OneImage(2, 1, 2, {1, 0});
        layout.version = version;
        layout.signature = "XYZ";
        RecordingUi ui;
        TGifFile gif(ui);
        gif.LoadFromStream(BuildGif(layout));
        EXPECT_EQ(gif.ImageCount(), 1u) << version;
    }
}

TEST(GifFile, DecodesEveryImageAndGivesTheFirstAsBitmap)
{
    GifLayout layout;
    layout.global = Palette(4);
    for (int i = 0; i < 3; ++i) {
        GifImage image;
        image.width = 5 + i;
        image.height = 2 + i;
        image.pixels = Pattern(image.width, image.height, 4, static_cast<unsigned>(i + 3));
        image.before = GraphicControl(2, 10 * (i + 1), i);
        layout.images.push_back(image);
    }
    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(BuildGif(layout));
    ASSERT_EQ(gif.ImageCount(), 3u);
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(DecodedPixels(gif.GetImage(i)), layout.images[i - 1].pixels);
        ASSERT_EQ(gif.GetImage(i).Extensions->Count(), 1u);
        EXPECT_EQ(gif.GetImage(i).Extensions->Item(1).DelayTime(), 10 * static_cast<int>(i));
    }
    EXPECT_EQ(ui.messagePumps, 2 + 3 + 4);
    const auto bitmap = gif.FirstImageBitmap();
    EXPECT_EQ(bitmap->Width(), 5);
    EXPECT_EQ(bitmap->Height(), 2);
    EXPECT_THROW(gif.GetImage(4), EListError);
}

TEST(GifFile, DataEndingInsideARowKeepsOnlyTheWholeRows)
{
    const auto pixels = Pattern(6, 4, 4);
    // two and a half rows, then the data stops or the end code comes
    const Bytes partial(pixels.begin(), pixels.begin() + 15);
    Bytes expected(pixels.begin(), pixels.begin() + 12);
    expected.resize(24, 0); // the partial third row is dropped; unreached pixels are 0
    for (const bool endCode : {false, true}) {
        auto layout = OneImage(6, 4, 4, {});
        LzwOptions options;
        options.endCode = endCode;
        layout.images[0].rawData = true;
        layout.images[0].data = SubBlocks(LzwEncode(partial, 2, options));
        RecordingUi ui;
        TGifFile gif(ui);
        gif.LoadFromStream(BuildGif(layout));
        EXPECT_EQ(DecodedPixels(gif.GetImage(1)), expected) << "end code " << endCode;
    }
}

TEST(GifFile, ARowCutAfterAStringWrittenInPlaceKeepsNoneOfIt)
{
    // Alternating pixels fill table entries with mixed bytes; after a clear
    // a run of 3s defines those entries again as longer strings, which are
    // written in place a word at a time with what the entries held before
    // beyond their end. The data stops inside the row: it must read 0.
    Bytes pixels(30 + 45);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>(i < 30 ? 1 + i % 2 : 3);
    LzwOptions options;
    options.clearBefore = 30;
    options.endCode = false;
    auto layout = OneImage(120, 2, 4, {});
    layout.images[0].rawData = true;
    layout.images[0].data = SubBlocks(LzwEncode(pixels, 2, options));
    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(BuildGif(layout));
    EXPECT_EQ(DecodedPixels(gif.GetImage(1)), Bytes(240, 0));
}

TEST(GifFile, RowsTheDataNeverReachedReadZeroEvenInReusedMemory)
{
    // The data ends exactly at a row's end: after 10 of 40 rows, or after
    // the first interlaced pass. Freed blocks of the matrix's size, filled
    // with 0xAA, make the matrix likely to start in dirty memory.
    const auto pixels = Pattern(64, 40, 4, 3);
    for (const bool interlaced : {false, true}) {
        const auto written = interlaced ? InterlacedRows(40) : std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        Bytes sent;
        Bytes expected(pixels.size(), 0);
        for (int row = 0; row < 40 && (!interlaced || row < 5); ++row) {
            const auto at = pixels.begin() + written[static_cast<std::size_t>(row)] * 64;
            sent.insert(sent.end(), at, at + 64);
            std::copy(at, at + 64, expected.begin() + (at - pixels.begin()));
            if (!interlaced && row == 9)
                break;
        }
        auto layout = OneImage(64, 40, 4, {});
        layout.images[0].interlaced = interlaced;
        layout.images[0].rawData = true;
        layout.images[0].data = SubBlocks(LzwEncode(sent, 2));
        const auto file = BuildGif(layout);
        {
            std::vector<std::unique_ptr<std::uint8_t[]>> dirty;
            for (int i = 0; i < 8; ++i) {
                dirty.emplace_back(new std::uint8_t[pixels.size()]);
                std::fill_n(dirty.back().get(), pixels.size(), std::uint8_t{0xAA});
            }
        }
        RecordingUi ui;
        TGifFile gif(ui);
        gif.LoadFromStream(file);
        EXPECT_EQ(DecodedPixels(gif.GetImage(1)), expected) << "interlaced " << interlaced;
    }
}

TEST(GifFile, DataNotStartingWithClearCodeDecodesAsIfItDid)
{
    const auto pixels = Pattern(7, 3, 4, 5);
    auto withClear = OneImage(7, 3, 4, pixels);
    auto withoutClear = withClear;
    withoutClear.images[0].lzw.leadingClear = false;
    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(BuildGif(withoutClear));
    EXPECT_EQ(DecodedPixels(gif.GetImage(1)), pixels);
}

TEST(GifFile, ACodeAtOrAboveNextFreeAfterAClearStandsForZero)
{
    // clear, then code 7 (above next free 6), then literal 3, end
    const auto file = WithRawData(2, {{4, 3}, {7, 3}, {3, 3}, {5, 3}}, 2, 1);
    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(file);
    EXPECT_EQ(DecodedPixels(gif.GetImage(1)), (Bytes{0, 3}));
}

TEST(GifFile, ExtensionsBeforeAndAfterImagesAreReadOrDiscarded)
{
    auto layout = OneImage(2, 2, 2, {0, 1, 1, 0});
    layout.images[0].before = Extension(0xFF, {11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'},
                                       {std::string("\x01\x00\x00", 3)});
    const auto comment = Extension(0xFE, {}, {"made by", "hand"});
    const auto text = Extension(0x01, {12, 0, 0, 0, 0, 8, 0, 8, 0, 4, 4, 1, 0}, {"Hi"});
    layout.images[0].before.insert(layout.images[0].before.end(), comment.begin(), comment.end());
    layout.images[0].before.insert(layout.images[0].before.end(), text.begin(), text.end());
    layout.beforeTrailer = Extension(0xFE, {}, {"after the last image"});
    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(BuildGif(layout));
    ASSERT_EQ(gif.ImageCount(), 1u);
    const auto& extensions = *gif.GetImage(1).Extensions;
    ASSERT_EQ(extensions.Count(), 3u);
    EXPECT_EQ(extensions.Item(1).Kind, TExtensionKind::Application);
    EXPECT_EQ(extensions.Item(1).ApplicationId(), "NETSCAPE2.0");
    EXPECT_EQ(extensions.Item(1).Strings, (std::vector<std::string>{std::string("\x01\x00\x00", 3)}));
    EXPECT_EQ(extensions.Item(2).Kind, TExtensionKind::Comment);
    EXPECT_EQ(extensions.Item(2).Strings, (std::vector<std::string>{"made by", "hand"}));
    EXPECT_EQ(extensions.Item(3).Kind, TExtensionKind::PlainText);
    EXPECT_EQ(extensions.Item(3).Fixed.size(), 13u);
    EXPECT_EQ(extensions.Item(3).Strings, (std::vector<std::string>{"Hi"}));
}

TEST(GifFile, EndsQuietlyAtTruncationOrAStrayByte)
{
    GifLayout layout;
    layout.global = Palette(4);
    for (int i = 0; i < 2; ++i) {
        GifImage image;
        image.width = 4;
        image.height = 3;
        image.pixels = Pattern(4, 3, 4, static_cast<unsigned>(i));
        layout.images.push_back(image);
    }
    layout.images[1].before = Extension(0xFE, {}, {"a comment that is cut off"});
    const auto whole = BuildGif(layout);
    const auto secondStart = whole.size() - 1 - (layout.images[1].before.size() + 10 + 1 +
                                                 SubBlocks(LzwEncode(layout.images[1].pixels, 2)).size());

    struct Cut {
        std::size_t size;
        std::size_t images;
    };
    const Cut cuts[] = {
        {secondStart + 8, 1},                     // inside the comment's sub-blocks
        {secondStart + 2, 1},                     // right after the label
        {secondStart + layout.images[1].before.size() + 5, 1}, // inside the image descriptor
        {secondStart + layout.images[1].before.size() + 11, 1}, // right after the code size
        {secondStart + layout.images[1].before.size() + 12, 1}, // right after the first block's length
        {whole.size() - 1, 2},                    // no trailer
    };
    for (const auto& cut : cuts) {
        RecordingUi ui;
        TGifFile gif(ui);
        gif.LoadFromStream(std::span(whole).first(cut.size));
        EXPECT_EQ(gif.ImageCount(), cut.images) << cut.size;
        EXPECT_EQ(DecodedPixels(gif.GetImage(1)), layout.images[0].pixels);
    }

    auto stray = whole;
    stray[secondStart] = 0x00; // not "!", "," or ";"
    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(stray);
    EXPECT_EQ(gif.ImageCount(), 1u);
}

TEST(GifFile, TheHourglassIsRestoredAfterSuccessAndFailure)
{
    for (const auto& file : {BuildGif(OneImage(2, 1, 2, {0, 1})), WithVersion("90a"), WithoutClearForever()}) {
        RecordingUi ui;
        TGifFile gif(ui);
        try {
            gif.LoadFromStream(file);
        } catch (const Error&) {
        }
        EXPECT_EQ(ui.hourglassChanges, 2);
        EXPECT_FALSE(ui.hourglass);
    }
}

TEST(GifBitmapFile, HasTheExactLayoutOfAnEightBitBitmapFile)
{
    // 3 x 2 at left 10, top 20 of a larger screen, local table of 4 colours.
    auto layout = OneImage(3, 2, 2, {0, 1, 2, 3, 2, 1});
    layout.screenWidth = 100;
    layout.screenHeight = 100;
    layout.images[0].left = 10;
    layout.images[0].top = 20;
    layout.images[0].local = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}, {100, 110, 120}};
    layout.images[0].before = GraphicControl(0, 0, 2);
    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(BuildGif(layout));
    const auto file = gif.FirstImageBitmapFile();

    Bytes expected = {'B', 'M', 0x3E, 0x04, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0, // 1078 + 4 x 2
                      40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0,
                      0, 0, 0, 0, 0, 0, 0, 0, 143, 0, 0, 0, 143, 0, 0, 0,
                      0, 0, 0, 0, 0, 0, 0, 0};
    // palette as blue, green, red, 0; the rest of the local table's entries
    // keep the pre-fill of a table made for the global size (2: black, white)
    const Bytes used = {30, 20, 10, 0, 60, 50, 40, 0, 90, 80, 70, 0, 120, 110, 100, 0};
    expected.insert(expected.end(), used.begin(), used.end());
    expected.resize(1078, 0);
    // bottom row first, each padded to 4 bytes; index 2 stays index 2
    expected.insert(expected.end(), {3, 2, 1, 0, 0, 1, 2, 0});
    EXPECT_EQ(file, expected);

    const auto bitmap = gif.FirstImageBitmap();
    EXPECT_EQ(bitmap->PixelColor(2, 0), 0x46505Au); // the transparent index keeps its colour
}

TEST(GifBitmapFile, PaletteComesFromThePreFilledTablesWhereTheFileHasNone)
{
    struct Case {
        int globalBits;
        std::uint32_t entry1;
        std::uint32_t entry9;
    };
    // no table in the file: the global table is made for size 0 (black,
    // white); a 16-colour local-size pre-fill gives the standard colours
    for (const auto& c : {Case{0, 0xFFFFFF, 0}, Case{3, 0xFFFFFF, 0}}) {
        GifLayout layout;
        layout.globalPresent = false;
        layout.globalBits = c.globalBits;
        GifImage image;
        image.width = 2;
        image.height = 1;
        image.pixels = {1, 1};
        layout.images.push_back(image);
        RecordingUi ui;
        TGifFile gif(ui);
        gif.LoadFromStream(BuildGif(layout));
        EXPECT_EQ(gif.GlobalColorTable.Count, 2 << c.globalBits);
        const auto bitmap = gif.FirstImageBitmap();
        EXPECT_EQ(bitmap->PixelColor(0, 0), c.entry1);
    }

    // a local table's unused entries keep the pre-fill of the global size 16
    GifLayout layout;
    layout.global = Palette(16);
    GifImage image;
    image.width = 1;
    image.height = 1;
    image.pixels = {1};
    image.local = {{1, 2, 3}, {4, 5, 6}};
    layout.images.push_back(image);
    RecordingUi ui;
    TGifFile gif(ui);
    gif.LoadFromStream(BuildGif(layout));
    const auto file = gif.FirstImageBitmapFile();
    const auto* entry9 = file.data() + 54 + 9 * 4;
    EXPECT_EQ(entry9[2], 255); // (255, 0, 0) of the standard colours
    EXPECT_EQ(entry9[1], 0);
    EXPECT_EQ(entry9[0], 0);
}

TEST(GifBitmap, LoadsTheFirstImageThroughTheBitmapInterface)
{
    RecordingUi ui;
    TGifBitmap bitmap(ui);
    bitmap.LoadFromStream(BuildGif(OneImage(5, 4, 4, Pattern(5, 4, 4))));
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 4);
    EXPECT_EQ(bitmap.BitsPerPixel(), 8);
    EXPECT_EQ(bitmap.FileBytes().size(), 1078u + 8 * 4);
}

} // namespace
} // namespace lv::imaging
