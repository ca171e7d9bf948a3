// The rules of list editing that need no window: accepted extensions, the
// automatic display mode, where a picture goes in the preview frame and the
// texts about the list.
#include "app/DisplayMode.h"
#include "app/ListEditing.h"
#include "dialogs/folder.h"

#include <gtest/gtest.h>

namespace {

using lv::ItemKind;

struct AcceptCase {
    const char* path;
    ItemKind kind;
    bool activeDesktop;
    bool accepted;
};

class AcceptedExtensions : public testing::TestWithParam<AcceptCase> {};

TEST_P(AcceptedExtensions, DecideByTheLastDotOfTheNameIgnoringCase)
{
    const AcceptCase& c = GetParam();
    EXPECT_EQ(lv::acceptsFile(c.kind, c.path, c.activeDesktop), c.accepted) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Table, AcceptedExtensions,
    testing::Values(AcceptCase{"C:\\p\\photo.Jpeg", ItemKind::Wallpaper, false, true},
                    AcceptCase{"C:\\p\\PHOTO.JPG", ItemKind::Wallpaper, false, true},
                    AcceptCase{"C:\\p\\photo.Jpeg", ItemKind::Logo, false, true},
                    AcceptCase{"C:\\p\\PHOTO.JPG", ItemKind::Logo, false, true},
                    AcceptCase{"C:\\p\\icon.ico", ItemKind::Wallpaper, false, true},
                    AcceptCase{"C:\\p\\icon.ico", ItemKind::Logo, false, false},
                    AcceptCase{"C:\\boot.SYS", ItemKind::Logo, false, true},
                    AcceptCase{"C:\\boot.SYS", ItemKind::Wallpaper, false, false},
                    AcceptCase{"C:\\t\\x.THEME", ItemKind::DesktopTheme, false, true},
                    AcceptCase{"C:\\t\\x.THEME", ItemKind::ScreenSaver, false, false},
                    AcceptCase{"C:\\s\\Mystify.SCR", ItemKind::ScreenSaver, false, true},
                    AcceptCase{"C:\\w\\ding.Wav", ItemKind::Sound, false, true},
                    AcceptCase{"C:\\w\\ding.wav.bak", ItemKind::Sound, false, false},
                    AcceptCase{"C:\\my.pics\\readme", ItemKind::Wallpaper, false, false},
                    AcceptCase{"C:my.bmp\\readme", ItemKind::Logo, false, false},
                    AcceptCase{"C:readme.bmp", ItemKind::Logo, false, true},
                    AcceptCase{"C:\\web\\page.htm", ItemKind::Wallpaper, false, false},
                    AcceptCase{"C:\\web\\page.HTML", ItemKind::Wallpaper, true, true},
                    AcceptCase{"C:\\web\\page.htm", ItemKind::Logo, true, false},
                    AcceptCase{"", ItemKind::Sound, false, false},
                    AcceptCase{"C:\\a.bmp", ItemKind::None, false, false}));

struct ModeCase {
    int width, height;
    const char* code;
};

class AutomaticDisplayMode : public testing::TestWithParam<ModeCase> {};

TEST_P(AutomaticDisplayMode, FollowsTheRuleOnA1024By768Screen)
{
    const ModeCase& c = GetParam();
    EXPECT_EQ(lv::automaticDisplayMode(c.width, c.height, 512, 384), c.code) << c.width << " x " << c.height;
}

INSTANTIATE_TEST_SUITE_P(Table, AutomaticDisplayMode,
                         testing::Values(ModeCase{1024, 768, "2"}, ModeCase{600, 500, "2"}, ModeCase{1190, 1000, "2"},
                                         ModeCase{119, 100, "1"}, // inside the range but not wider than 512
                                         ModeCase{1510, 1000, "0"}, ModeCase{1280, 800, "0"},
                                         ModeCase{600, 300, "0"}, ModeCase{500, 400, "0"}, ModeCase{512, 384, "1"},
                                         ModeCase{513, 384, "2"}, ModeCase{512, 385, "0"}, ModeCase{100, 100, "1"},
                                         ModeCase{300, 600, "0"}, ModeCase{0, 100, "0"}, ModeCase{100, 0, "0"}));

TEST(StretchRange, LimitsAtThePrecisionOfTheRule)
{
    // Exactly 119:100 counts as above 1.19, exactly 151:100 as not below 1.51.
    EXPECT_TRUE(lv::ratioInStretchRange(119, 100));
    EXPECT_TRUE(lv::ratioInStretchRange(2380, 2000));
    EXPECT_FALSE(lv::ratioInStretchRange(151, 100));
    EXPECT_FALSE(lv::ratioInStretchRange(3020, 2000));
    // Just beside the limits.
    EXPECT_FALSE(lv::ratioInStretchRange(118999, 100000));
    EXPECT_TRUE(lv::ratioInStretchRange(150999, 100000));
    EXPECT_FALSE(lv::ratioInStretchRange(1, 1));
    EXPECT_FALSE(lv::ratioInStretchRange(2147483647, 1));
    EXPECT_FALSE(lv::ratioInStretchRange(1, 2147483647));
}

struct PreviewCase {
    int width, height;
    lv::Rect placed;
};

class PreviewPlacement : public testing::TestWithParam<PreviewCase> {};

TEST_P(PreviewPlacement, FitsAndCentresInTheFrameRoundingHalvesToEven)
{
    const PreviewCase& c = GetParam();
    EXPECT_EQ(lv::previewPlacement(lv::Size{c.width, c.height}, lv::Rect{379, 258, 177, 135}), c.placed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PreviewPlacement,
    testing::Values(PreviewCase{354, 270, {379, 258, 177, 135}},
                    PreviewCase{100, 100, {379 + 38, 258 + 18, 100, 100}}, // 38.5 -> 38, 17.5 -> 18
                    PreviewCase{270, 540, {379 + 54, 258, 68, 135}},       // 67.5 -> 68, 54.5 -> 54
                    PreviewCase{400, 100, {379, 258 + 46, 177, 44}},       // 44.25 -> 44, 45.5 -> 46
                    PreviewCase{177, 135, {379, 258, 177, 135}},
                    PreviewCase{200, 135, {379, 258 + 8, 177, 119}}, // wider only: height from the width
                    PreviewCase{1, 100000, {379 + 88, 258, 0, 135}}, PreviewCase{0, 0, {379 + 88, 258 + 68, 0, 0}}));

TEST(ListTexts, LastSelectedAndNextFileHint)
{
    EXPECT_EQ(lv::lastSelectText(2, "C:\\pics\\sunset.jpg", 5), "(3) sunset.jpg (5 total)");
    EXPECT_EQ(lv::lastSelectText(2, "C:\\pics\\name.ext", 1), "(3) name.ext");
    EXPECT_EQ(lv::lastSelectText(0, "D:name.ext", 0), "(1) name.ext");

    const std::vector<std::string> files = {"C:\\a\\one.jpg", "C:\\b\\sunset.jpg"};
    EXPECT_EQ(lv::nextFileHint(2, files), "next file to be used for current item: sunset.jpg");
    EXPECT_EQ(lv::nextFileHint(3, files), "next file to be used for current item: unknown");
    EXPECT_EQ(lv::nextFileHint(0, files), "next file to be used for current item: unknown");
    EXPECT_EQ(lv::nextFileHint(1, {}), "next file to be used for current item: unknown");
}

TEST(FolderMasks, MatchAnyPatternIgnoringCase)
{
    EXPECT_TRUE(lv::matchesMask("A.JPG", "*.bmp;*.jpg;*.jpeg"));
    EXPECT_TRUE(lv::matchesMask("a.jpeg", "*.bmp;*.jpg;*.jpeg"));
    EXPECT_FALSE(lv::matchesMask("a.jpg.txt", "*.bmp;*.jpg"));
    EXPECT_FALSE(lv::matchesMask("page.html", "*.htm"));
    EXPECT_TRUE(lv::matchesMask("page.html", "*.htm;*.html"));
    EXPECT_TRUE(lv::matchesMask("README", "*.*"));
    EXPECT_TRUE(lv::matchesMask("ab.wav", "a?.wav"));
    EXPECT_FALSE(lv::matchesMask("abc.wav", "a?.wav"));
    EXPECT_FALSE(lv::matchesMask("x.wav", ""));
}

} // namespace
