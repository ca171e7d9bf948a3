// The decoder's building blocks: colour tables, byte arrays, the data-block
// buffer, extension blocks and the image constructor's colour count.
#include <gtest/gtest.h>

#include "imaging/ColorTbl.h"
#include "imaging/DynArrB.h"
#include "imaging/GifDecl.h"
#include "imaging/GifTestSupport.h"
#include "imaging/GifUnit.h"

namespace lv::imaging {
namespace {

struct PreFill {
    std::int32_t size;
    int index;
    TColorItem color;
};

class ColorTablePreFill : public ::testing::TestWithParam<PreFill> {};

TEST_P(ColorTablePreFill, DependsOnTheSizeItIsMadeFor)
{
    const auto& c = GetParam();
    const TColorTable table(c.size);
    EXPECT_EQ(table.Count, c.size);
    const auto& e = table.Entries[static_cast<std::size_t>(c.index)];
    EXPECT_EQ(e.Red, c.color.Red);
    EXPECT_EQ(e.Green, c.color.Green);
    EXPECT_EQ(e.Blue, c.color.Blue);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ColorTablePreFill,
    ::testing::Values(PreFill{0, 0, {0, 0, 0}}, PreFill{0, 1, {255, 255, 255}}, PreFill{0, 2, {0, 0, 0}},
                      PreFill{1, 1, {255, 255, 255}}, PreFill{2, 1, {255, 255, 255}}, PreFill{2, 255, {0, 0, 0}},
                      PreFill{16, 1, {128, 0, 0}}, PreFill{16, 8, {192, 192, 192}}, PreFill{16, 9, {255, 0, 0}},
                      PreFill{16, 14, {0, 255, 255}}, PreFill{16, 15, {255, 255, 255}}, PreFill{16, 16, {0, 0, 0}},
                      PreFill{256, 0, {0, 0, 0}}, PreFill{256, 77, {77, 77, 77}}, PreFill{256, 255, {255, 255, 255}},
                      PreFill{4, 1, {0, 0, 0}}, PreFill{8, 1, {0, 0, 0}}, PreFill{128, 100, {0, 0, 0}}));

TEST(ByteArrays, CountFromOneAndRejectEverythingOutside)
{
    TBigByteArray array(3);
    array.Set(1, 7);
    array.Set(3, 9);
    EXPECT_EQ(array.Get(1), 7);
    EXPECT_EQ(array.Get(2), 0);
    EXPECT_EQ(array.Get(3), 9);
    for (std::size_t bad : {std::size_t{0}, std::size_t{4}}) {
        EXPECT_THROW(array.Get(bad), EIndexOutOfBounds);
        try {
            array.Set(bad, 1);
            ADD_FAILURE() << bad;
        } catch (const EIndexOutOfBounds& e) {
            EXPECT_STREQ(e.what(), "Dynamic array index out of bounds");
        }
    }
}

TEST(ByteArrays, MatrixRowsAreZeroUntilWrittenAndBounded)
{
    TByteArray2D matrix(4, 3);
    const std::uint8_t row3[] = {1, 2, 3};
    matrix.CopyRowIn(3, row3);
    std::uint8_t out[3] = {9, 9, 9};
    matrix.CopyRowOut(1, out);
    EXPECT_EQ(out[0] + out[1] + out[2], 0);
    matrix.CopyRowOut(3, out);
    EXPECT_EQ(out[2], 3);
    matrix.CopyRowOut(4, out);
    EXPECT_EQ(out[0], 0);
    EXPECT_THROW(matrix.CopyRowIn(5, row3), EIndexOutOfBounds);
    EXPECT_THROW(matrix.CopyRowIn(0, row3), EIndexOutOfBounds);
    EXPECT_THROW(matrix.CopyRowOut(5, out), EIndexOutOfBounds);
}

TEST(ByteBuffer, ReadsAcrossBlocksAndSignalsTheEndWithTheListError)
{
    TByteBuffer buffer;
    try {
        buffer.Rewind();
        ADD_FAILURE();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (0)");
    }
    const std::uint8_t first[] = {1, 2};
    const std::uint8_t second[] = {3};
    buffer.AddBlock(first);
    buffer.AddBlock(second);
    EXPECT_EQ(buffer.BlockCount(), 2u);
    EXPECT_EQ(buffer.TotalSize(), 3u);
    buffer.Rewind();
    EXPECT_EQ(buffer.CurrentBlock(), 1u);
    EXPECT_EQ(buffer.NextByte(), 1);
    EXPECT_EQ(buffer.NextByte(), 2);
    EXPECT_EQ(buffer.CurrentBlock(), 1u); // the step to block 2 comes with the next byte
    EXPECT_EQ(buffer.CurrentPosition(), 3u);
    EXPECT_EQ(buffer.NextByte(), 3);
    EXPECT_EQ(buffer.CurrentBlock(), 2u);
    EXPECT_THROW(buffer.NextByte(), EListError);
    buffer.Rewind();
    EXPECT_EQ(buffer.NextByte(), 1);
    EXPECT_EQ(buffer.Block(2).size(), 1u);
    EXPECT_THROW(buffer.Block(3), EListError);
}

struct Label {
    std::uint8_t label;
    TExtensionKind kind;
    std::size_t fixed;
};

class ExtensionLabels : public ::testing::TestWithParam<Label> {};

TEST_P(ExtensionLabels, SelectTheKindAndItsFixedPart)
{
    EXPECT_EQ(TExtension::KindOfLabel(GetParam().label), GetParam().kind);
    EXPECT_EQ(TExtension::FixedSize(GetParam().kind), GetParam().fixed);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ExtensionLabels,
                         ::testing::Values(Label{0xF9, TExtensionKind::GraphicControl, 6},
                                           Label{0x01, TExtensionKind::PlainText, 13},
                                           Label{0xFF, TExtensionKind::Application, 12},
                                           Label{0xFE, TExtensionKind::Comment, 0}));

TEST(Extensions, GraphicControlFieldsAndUnknownLabels)
{
    TExtension control;
    control.Kind = TExtensionKind::GraphicControl;
    control.Fixed = {4, (2 << 2) | 1, 0x2C, 0x01, 7, 0};
    EXPECT_EQ(control.DisposalMethod(), 2);
    EXPECT_TRUE(control.HasTransparency());
    EXPECT_EQ(control.TransparentIndex(), 7);
    EXPECT_EQ(control.DelayTime(), 300);

    TExtension shortBlock;
    shortBlock.Kind = TExtensionKind::GraphicControl;
    shortBlock.Fixed = {4};
    EXPECT_EQ(shortBlock.DelayTime(), 0);
    EXPECT_FALSE(shortBlock.HasTransparency());

    for (int label = 0; label < 256; ++label) {
        if (label == 0xF9 || label == 0x01 || label == 0xFF || label == 0xFE)
            continue;
        try {
            TExtension::KindOfLabel(static_cast<std::uint8_t>(label));
            ADD_FAILURE() << label;
        } catch (const EGifException& e) {
            static const char hex[] = "0123456789ABCDEF";
            const std::string expected =
                std::string("Unrecognized extension block.\r\nCode = $") + hex[label >> 4] + hex[label & 15];
            EXPECT_EQ(e.what(), expected);
        }
    }
}

TEST(Extensions, ListFreesItsBlocksAndCountsFromOne)
{
    TExtensionList list;
    list.Add().Kind = TExtensionKind::Comment;
    list.Add().Kind = TExtensionKind::Application;
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Item(2).Kind, TExtensionKind::Application);
    EXPECT_THROW(list.Item(0), EListError);
    EXPECT_THROW(list.Item(3), EListError);
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
}

TEST(GifSubImage, AcceptsOnlyPowerOfTwoColourCounts)
{
    test::RecordingUi ui;
    TGifFile gif(ui);
    for (int count : {2, 4, 8, 16, 32, 64, 128, 256})
        EXPECT_NO_THROW(TGifSubImage(gif, count)) << count;
    for (int count : {0, 1, 3, 100, 512, -2}) {
        try {
            TGifSubImage image(gif, count);
            ADD_FAILURE() << count;
        } catch (const EGifException& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Number of colors (" + std::to_string(count) + ") wrong; must be a power of 2");
        }
    }
}

} // namespace
} // namespace lv::imaging
