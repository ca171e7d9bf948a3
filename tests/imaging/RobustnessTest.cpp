// Mutated and truncated pictures: every reader either gives a picture or
// throws the program's error with a message; none crashes or allocates
// without bound.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "imaging/GifTestSupport.h"
#include "imaging/GifUnit.h"
#include "imaging/IconImage.h"
#include "imaging/ImageTestSupport.h"
#include "imaging/JpegImage.h"
#include "base/Error.h"

namespace lv::imaging {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : state_(seed) {}

    Bytes Mutate(const Bytes& seed)
    {
        Bytes out = seed;
        const int edits = 1 + static_cast<int>(Next() % 4);
        for (int i = 0; i < edits && !out.empty(); ++i) {
            const auto at = Next() % out.size();
            switch (Next() % 5) {
            case 0: out[at] = static_cast<std::uint8_t>(Next()); break;
            case 1: out[at] ^= static_cast<std::uint8_t>(1u << (Next() % 8)); break;
            case 2: out.resize(at); break;
            case 3: out.insert(out.begin() + static_cast<long>(at), static_cast<std::uint8_t>(Next())); break;
            default: out[at] = Next() % 2 ? 0xFF : 0x00; break;
            }
        }
        return out;
    }

private:
    std::uint32_t Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    std::uint32_t state_;
};

struct Outcome {
    int decoded = 0;
    int refused = 0;
};

Outcome Hammer(const std::vector<Bytes>& seeds, int rounds, const std::function<void(const Bytes&)>& read)
{
    Outcome outcome;
    Mutator mutator(0x2545F491u);
    for (int round = 0; round < rounds; ++round) {
        const auto input = mutator.Mutate(seeds[static_cast<std::size_t>(round) % seeds.size()]);
        try {
            read(input);
            ++outcome.decoded;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()), "") << round;
            ++outcome.refused;
        }
    }
    return outcome;
}

std::vector<Bytes> GifSeeds()
{
    using namespace test;
    std::vector<Bytes> seeds;
    for (int colors : {2, 16, 256}) {
        GifLayout layout;
        layout.global.assign(static_cast<std::size_t>(colors), Rgb{1, 2, 3});
        GifImage image;
        image.width = 23;
        image.height = 9;
        image.pixels = Pattern(23, 9, colors);
        image.interlaced = colors == 16;
        image.before = GraphicControl(1, 5, 0);
        layout.images.push_back(image);
        image.local = {{9, 9, 9}, {8, 8, 8}, {7, 7, 7}, {6, 6, 6}};
        image.pixels = Pattern(23, 9, 4);
        image.before = Extension(0xFE, {}, {"second"});
        layout.images.push_back(image);
        seeds.push_back(BuildGif(layout));
    }
    GifLayout big;
    big.global.assign(256, Rgb{5, 5, 5});
    GifImage image;
    image.width = 120;
    image.height = 100;
    image.pixels = Pattern(120, 100, 256, 3);
    image.lzw.fullTable = FullTable::ClearAfterFull;
    big.images.push_back(image);
    seeds.push_back(BuildGif(big));
    return seeds;
}

TEST(Robustness, MutatedGifsDecodeOrFailWithAMessage)
{
    const auto start = std::chrono::steady_clock::now();
    const auto outcome = Hammer(GifSeeds(), 10000, [](const Bytes& input) {
        test::RecordingUi ui;
        TGifFile gif(ui);
        gif.LoadFromStream(input);
        if (gif.ImageCount() > 0)
            gif.FirstImageBitmap();
        EXPECT_FALSE(ui.hourglass);
    });
    EXPECT_GT(outcome.decoded, 0);
    EXPECT_GT(outcome.refused, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

TEST(Robustness, MutatedIconsDrawOrFailWithAMessage)
{
    std::vector<Bytes> seeds;
    for (int bits : {1, 4, 8, 24, 32}) {
        test::IconLayout layout;
        layout.width = layout.height = 32;
        layout.bits = bits;
        layout.palette.assign(bits <= 8 ? (1u << bits) : 0, 0x808080);
        layout.colors.assign(32 * 32, 1);
        layout.transparent.assign(32 * 32, false);
        test::IconLayout small = layout;
        small.width = small.height = 16;
        small.colors.resize(16 * 16);
        small.transparent.resize(16 * 16);
        seeds.push_back(test::IconFile({small, layout}));
    }
    const auto outcome = Hammer(seeds, 3000, [](const Bytes& input) { DecodeIconToBitmapFile(input); });
    EXPECT_GT(outcome.decoded, 0);
    EXPECT_GT(outcome.refused, 0);
}

TEST(Robustness, MutatedJpegsDecodeOrFailWithAMessage)
{
    std::vector<Bytes> seeds;
    seeds.push_back(test::EncodeJpeg(test::Gradient(48, 32, 3), 48, 32, 3, 75, false));
    seeds.push_back(test::EncodeJpeg(test::Gradient(40, 24, 3), 40, 24, 3, 75, true));
    seeds.push_back(test::EncodeJpeg(test::Gradient(16, 16, 1), 16, 16, 1, 75, false));
    const auto outcome = Hammer(seeds, 600, [](const Bytes& input) {
        test::RecordingUi ui;
        DecodeJpegToBitmapFile(input, JpegPixelFormat::TrueColor24, ui, "a.jpg");
        DecodeJpegToBitmapFile(input, JpegPixelFormat::Quantized8, ui, "a.jpg");
    });
    EXPECT_GT(outcome.decoded, 0);
    EXPECT_GT(outcome.refused, 0);
}

TEST(Robustness, EveryTruncationOfAGifEndsCleanly)
{
    const auto whole = GifSeeds().front();
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        test::RecordingUi ui;
        TGifFile gif(ui);
        try {
            gif.LoadFromStream(std::span(whole).first(size));
        } catch (const Error& e) {
            // only a file cut inside its header fails; elsewhere the images before the cut stay
            EXPECT_STREQ(e.what(), "Gif Version must be 87a or 89a") << size;
        }
    }
}

} // namespace
} // namespace lv::imaging
