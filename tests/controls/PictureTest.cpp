// Reading resource bitmaps into pictures.
#include "controls/Picture.h"
#include "base/Error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint8_t> header(int width, int height, int bits, int colours = 0)
{
    std::vector<std::uint8_t> h(40, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) h[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, static_cast<std::uint32_t>(width));
    put32(8, static_cast<std::uint32_t>(height));
    h[12] = 1;
    h[14] = static_cast<std::uint8_t>(bits);
    put32(32, static_cast<std::uint32_t>(colours));
    return h;
}

TEST(PictureFromDib, ReadsBottomUpRowsWithPaddingAndTopDownRows)
{
    auto dib = header(1, 2, 24);
    // bottom row first: blue pixel, then padding; top row: red.
    dib.insert(dib.end(), {0xFF, 0, 0, 0, 0, 0, 0xFF, 0});
    const lv::Picture p = lv::pictureFromDib(dib.data(), dib.size());
    EXPECT_EQ(p.width(), 1);
    EXPECT_EQ(p.pixel(0, 0), lv::rgb(255, 0, 0));
    EXPECT_EQ(p.pixel(0, 1), lv::rgb(0, 0, 255));

    auto top = header(1, -2, 32);
    top.insert(top.end(), {0, 0xFF, 0, 0, 1, 2, 3, 0});
    const lv::Picture t = lv::pictureFromDib(top.data(), top.size());
    EXPECT_EQ(t.pixel(0, 0), lv::rgb(0, 255, 0));
    EXPECT_EQ(t.pixel(0, 1), lv::rgb(3, 2, 1));
}

TEST(PictureFromDib, ReadsPaletteBitmaps)
{
    auto dib = header(2, 1, 8, 2);
    dib.insert(dib.end(), {0, 0, 0, 0, 10, 20, 30, 0}); // colour table
    dib.insert(dib.end(), {1, 0, 0, 0});
    const lv::Picture p = lv::pictureFromDib(dib.data(), dib.size());
    EXPECT_EQ(p.pixel(0, 0), lv::rgb(30, 20, 10));
    EXPECT_EQ(p.pixel(1, 0), 0u);
    // Two-colour pictures too, eight pixels to a byte from the high bit.
    auto mono = header(9, 1, 1);
    mono.insert(mono.end(), {0, 0, 0, 0, 255, 255, 255, 0, 0x80, 0x80, 0, 0});
    const lv::Picture m = lv::pictureFromDib(mono.data(), mono.size());
    EXPECT_EQ(m.pixel(0, 0), lv::rgb(255, 255, 255));
    EXPECT_EQ(m.pixel(1, 0), 0u);
    EXPECT_EQ(m.pixel(8, 0), lv::rgb(255, 255, 255));
}

TEST(PictureFromDib, RefusesTruncatedCompressedAndOddDepths)
{
    auto shortRows = header(4, 4, 24);
    shortRows.resize(shortRows.size() + 40);
    EXPECT_THROW(lv::pictureFromDib(shortRows.data(), shortRows.size()), lv::Error);
    auto rle = header(1, 1, 8);
    rle[16] = 1;
    rle.resize(rle.size() + 2000);
    EXPECT_THROW(lv::pictureFromDib(rle.data(), rle.size()), lv::Error);
    auto highColour = header(1, 1, 16);
    highColour.resize(highColour.size() + 100);
    EXPECT_THROW(lv::pictureFromDib(highColour.data(), highColour.size()), lv::Error);
    EXPECT_THROW(lv::pictureFromDib(highColour.data(), 10), lv::Error);
}

} // namespace
