// What one JPEG conversion may cost: files that declare far more picture
// than they hold are refused early, in bounded time and memory, with a
// message naming the file; real and flat pictures still convert.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "imaging/Bitmap.h"
#include "imaging/GifTestSupport.h"
#include "imaging/ImageTestSupport.h"
#include "imaging/JpegImage.h"
#include "imaging/PeakMemory.h"

namespace lv::imaging {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;
constexpr std::uint64_t MiB = 1 << 20;

TEST(JpegBudget, FilesDeclaringMoreThanTheyHoldAreRefusedInBoundedTimeAndMemory)
{
    struct Hostile {
        const char* name;
        Bytes file;
        std::string reason;
        std::chrono::milliseconds time;
        std::uint64_t memory;
    };
    const Hostile cases[] = {
        {"a tiny progressive header", DeclaringJpeg(8192, 8192, 3, 16),
         "16 bytes of picture data are too few for a picture of 8192 x 8192 pixels", std::chrono::milliseconds(200),
         4 * MiB},
        {"a header padded with a comment", DeclaringJpeg(8192, 8192, 3, 16, 70000),
         "16 bytes of picture data are too few for a picture of 8192 x 8192 pixels", std::chrono::milliseconds(200),
         4 * MiB},
        // arithmetic coding stores even a flat picture of this size in about
        // 300 bytes, so its rule is a hundred times looser
        {"an arithmetic-coded header", DeclaringJpeg(8192, 8192, 3, 16, 0, true),
         "16 bytes of picture data are too few for a picture of 8192 x 8192 pixels", std::chrono::milliseconds(200),
         4 * MiB},
        // enough data for the bytes rule, but four full-size components of
        // coefficients
        {"a CMYK header", DeclaringJpeg(8192, 8192, 4, 70000),
         "a picture of 8192 x 8192 pixels stored this way needs more than 400 MB", std::chrono::milliseconds(200),
         4 * MiB},
        // each scan a pass over 262,144 blocks: stopped near 512 scans; the
        // coefficients (32 MiB) are the memory, no bitmap is made
        {"990 scans", ManyScanJpeg(4096, 4096, 990), "too many scans for a picture of 4096 x 4096 pixels",
         std::chrono::milliseconds(3000), 40 * MiB},
    };
    for (const auto& c : cases)
        for (const auto format : {JpegPixelFormat::TrueColor24, JpegPixelFormat::Quantized8}) {
            RecordingUi ui;
            std::string message;
            // processor time, so that other work on the machine does not count
            const auto start = std::clock();
            const auto peak = PeakMemoryIncrease([&] {
                try {
                    DecodeJpegToBitmapFile(c.file, format, ui, "C:\\pics\\big.jpg");
                } catch (const Error& e) {
                    message = e.what();
                }
            });
            const auto elapsed = std::chrono::milliseconds((std::clock() - start) * 1000 / CLOCKS_PER_SEC);
            EXPECT_EQ(message, "Cannot convert C:\\pics\\big.jpg: " + c.reason) << c.name;
            EXPECT_LT(elapsed, c.time) << c.name;
            if (peak) {
                EXPECT_LT(*peak, c.memory) << c.name;
            }
        }
}

TEST(JpegBudget, RealAndFlatPicturesConvertAndLetWindowMessagesRun)
{
    struct Real {
        const char* name;
        Bytes file;
        int width;
        int height;
        int pumps; // a run of the messages a quarter megapixel of rows, and
                   // in progressive files one per 4,096 blocks the scans read
    };
    // A flat picture spends the fewest bytes a Huffman-coded file can:
    // about one byte for 250 pixels here, four times what the rule allows.
    std::vector<std::uint8_t> flat(2048 * 2048, 0x80);
    const Real cases[] = {
        {"photograph, progressive", EncodeJpeg(PhotoLike(1600, 1200), 1600, 1200, 3, 85, true), 1600, 1200, 30},
        {"photograph, baseline", EncodeJpeg(PhotoLike(1600, 1200), 1600, 1200, 3, 85, false), 1600, 1200, 7},
        {"photograph, arithmetic-coded at quality 10", EncodeJpeg(PhotoLike(1600, 1200), 1600, 1200, 3, 10, true, false, true), 1600, 1200, 30},
        {"flat grey, progressive", EncodeJpeg(flat, 2048, 2048, 1, 75, true), 2048, 2048, 50},
    };
    for (const auto& c : cases)
        for (const auto format : {JpegPixelFormat::TrueColor24, JpegPixelFormat::Quantized8}) {
            RecordingUi ui;
            TBitmap bitmap;
            bitmap.LoadFromStream(DecodeJpegToBitmapFile(c.file, format, ui, "C:\\pics\\real.jpg"));
            EXPECT_EQ(bitmap.Width(), c.width) << c.name;
            EXPECT_EQ(bitmap.Height(), c.height) << c.name;
            EXPECT_GE(ui.messagePumps, c.pumps) << c.name;
        }
}

TEST(JpegBudget, ASixtyFourMegapixelProgressivePhotographStillConverts)
{
    constexpr int Side = 8192;
    const Bytes file = EncodeJpeg(PhotoLike(Side, Side), Side, Side, 3, 85, true);
    RecordingUi ui;
    TBitmap bitmap;
    bitmap.LoadFromStream(DecodeJpegToBitmapFile(file, JpegPixelFormat::TrueColor24, ui, "C:\\pics\\big.jpg"));
    EXPECT_EQ(bitmap.Width(), Side);
    EXPECT_EQ(bitmap.Height(), Side);
}

} // namespace
} // namespace lv::imaging
