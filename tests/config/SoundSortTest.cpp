// The order of the Sounds page's labels: byte codes, stable for equal labels,
// technical names moving with their labels.
#include "config/SoundCatalogue.h"

#include <gtest/gtest.h>

namespace {

lv::SoundCatalogue catalogueOf(std::vector<std::string> labels)
{
    lv::SoundCatalogue c;
    for (std::size_t i = 0; i < labels.size(); ++i)
        c.technicalNames.push_back("App\\E" + std::to_string(i));
    c.labels = std::move(labels);
    return c;
}

struct SortCase {
    const char* name;
    std::vector<std::string> labels;
    std::vector<std::string> sorted;
};

class SoundLabelOrder : public testing::TestWithParam<SortCase> {};

TEST_P(SoundLabelOrder, SortsByByteCodes)
{
    auto c = catalogueOf(GetParam().labels);
    lv::sortByLabel(c);
    EXPECT_EQ(c.labels, GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(Cases, SoundLabelOrder, testing::Values(
    SortCase{"CapitalsFirst", {"beep", "Beep"}, {"Beep", "beep"}},
    SortCase{"PrefixFirst", {"Exit Windows", "Exit"}, {"Exit", "Exit Windows"}},
    SortCase{"AnyCapitalBeforeAnySmall", {"alarm", "Zoom"}, {"Zoom", "alarm"}},
    SortCase{"EmptyLabelFirst", {"Open", "", "Close"}, {"", "Close", "Open"}},
    // High ANSI bytes sort after ASCII, not as negative chars.
    SortCase{"AnsiAfterAscii", {"\xC9v\xE9nement", "Zeta"}, {"Zeta", "\xC9v\xE9nement"}},
    SortCase{"AlreadySorted", {"A", "B", "C"}, {"A", "B", "C"}},
    SortCase{"Empty", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoundLabelOrder, EqualLabelsKeepRegistryOrderAndNamesFollowLabels)
{
    lv::SoundCatalogue c;
    c.technicalNames = {"Explorer\\Navigating", ".Default\\SystemAsterisk", "Mplayer\\Open", "Apps\\Open"};
    c.labels = {"Start Navigation", "Asterisk", "Open", "Open"};
    lv::sortByLabel(c);
    EXPECT_EQ(c.labels, (std::vector<std::string>{"Asterisk", "Open", "Open", "Start Navigation"}));
    EXPECT_EQ(c.technicalNames, (std::vector<std::string>{".Default\\SystemAsterisk", "Mplayer\\Open", "Apps\\Open",
                                                          "Explorer\\Navigating"}));
}

TEST(SoundEventKeyName, TakesTextAfterLastBackslashOrColon)
{
    EXPECT_EQ(lv::eventKeyName(".Default\\SystemExit"), "SystemExit");
    EXPECT_EQ(lv::eventKeyName("App\\Sub:Event"), "Event");
    EXPECT_EQ(lv::eventKeyName("App:Odd\\Event"), "Event");
    EXPECT_EQ(lv::eventKeyName("NoSeparator"), "NoSeparator");
}

} // namespace
