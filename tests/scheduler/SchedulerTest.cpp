// The scheduler dialog: what it shows from the file, how the fields become
// minutes, and what Use Settings writes, in which order, when it fails.
#include "fakes/FakePlatform.h"
#include "base/Error.h"
#include "scheduler/scheduler.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;
constexpr const char* Ini = "C:\\Program Files\\Lumivane\\lumivane3.ini";

struct IntervalCase {
    const char* text;
    char separator;
    std::int32_t minutes;
};

class IntervalText : public testing::TestWithParam<IntervalCase> {};

TEST_P(IntervalText, BecomesWholeMinutesRoundedHalfToEven)
{
    EXPECT_EQ(lv::intervalFromText(GetParam().text, GetParam().separator), GetParam().minutes) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, IntervalText, testing::Values(
    IntervalCase{"0", '.', 0}, IntervalCase{"12.5", '.', 12}, IntervalCase{"13.5", '.', 14},
    IntervalCase{"2.5", '.', 2}, IntervalCase{"3.5", '.', 4}, IntervalCase{"-5", '.', -5},
    IntervalCase{"1e3", '.', 1000}, IntervalCase{"1.5E+2", '.', 150}, IntervalCase{" 42 ", '.', 42},
    IntervalCase{"12,5", ',', 12}, IntervalCase{".5", '.', 0}, IntervalCase{"7.", '.', 7},
    IntervalCase{"2147483647", '.', 2147483647}, IntervalCase{"1e-400", '.', 0}));

struct BadCase {
    const char* text;
    char separator;
    const char* message;
};

class BadIntervalText : public testing::TestWithParam<BadCase> {};

TEST_P(BadIntervalText, RaisesTheSystemsMessage)
{
    try {
        lv::intervalFromText(GetParam().text, GetParam().separator);
        FAIL() << "no error for " << GetParam().text;
    } catch (const lv::Error& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadIntervalText, testing::Values(
    BadCase{"abc", '.', "'abc' is not a valid floating point value"},
    BadCase{"12,5", '.', "'12,5' is not a valid floating point value"},
    BadCase{"12.5", ',', "'12.5' is not a valid floating point value"},
    BadCase{"1e", '.', "'1e' is not a valid floating point value"},
    BadCase{"-", '.', "'-' is not a valid floating point value"},
    BadCase{"3000000000", '.', "Invalid floating point operation"},
    BadCase{"1e400", '.', "Invalid floating point operation"},
    BadCase{"-1e999", '.', "Invalid floating point operation"},
    BadCase{"-1e12", '.', "Invalid floating point operation"}));

class SchedulerTest : public testing::Test {
protected:
    lv::fakes::FakePlatform fx;
    lv::Tschedule schedule{fx.profile, Ini, '.'};

    std::string stored(const char* key) { return fx.profile.readString(Ini, "scheduler", key, "<none>"); }
};

TEST_F(SchedulerTest, WithoutASectionEveryFieldIsZeroAndEveryBlockOnItsFirstChoice)
{
    schedule.open();
    EXPECT_TRUE(schedule.visible);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(schedule.edit[i].text, "0");
        EXPECT_EQ(schedule.radio[i].itemIndex, 0);
    }
}

TEST_F(SchedulerTest, StoredChoicesAreClampedAndSavedBackClamped)
{
    fx.files.addFile(Ini, "[scheduler]\r\npaper=7\r\nsaver=-4\r\ntheme=1\r\nlogotime=90\r\nsoundtime=abc\r\n");
    schedule.open();
    EXPECT_EQ(schedule.radio[0].itemIndex, 1);
    EXPECT_EQ(schedule.radio[1].itemIndex, -1);
    EXPECT_EQ(schedule.edit[3].text, "90");
    EXPECT_EQ(schedule.edit[4].text, "0");
    schedule.Button1Click();
    EXPECT_EQ(stored("paper"), "1");
    EXPECT_EQ(stored("saver"), "-1");
    EXPECT_EQ(stored("logotime"), "90");
    EXPECT_FALSE(schedule.visible);
}

TEST_F(SchedulerTest, UseSettingsLimitsTheIntervalsAndWritesChoicesBeforeIntervals)
{
    schedule.open();
    schedule.edit[0].text = "";
    schedule.edit[1].text = "40000";
    schedule.edit[2].text = "-5";
    schedule.edit[3].text = "12.5";
    schedule.edit[4].text = "13.5";
    schedule.Button1Click();
    EXPECT_EQ(fx.profile.keyNames(Ini, "scheduler"), (Strings{"paper", "saver", "theme", "logo", "sound", "papertime",
                                                              "savertime", "themetime", "logotime", "soundtime"}));
    EXPECT_EQ(stored("papertime"), "0");
    EXPECT_EQ(schedule.edit[0].text, "0");
    EXPECT_EQ(stored("savertime"), "35000");
    EXPECT_EQ(stored("themetime"), "0");
    EXPECT_EQ(stored("logotime"), "12");
    EXPECT_EQ(stored("soundtime"), "14");
}

TEST_F(SchedulerTest, AFieldThatIsNoNumberKeepsTheDialogOpenWithOnlyTheChoicesWritten)
{
    fx.files.addFile(Ini, "[scheduler]\r\npapertime=5\r\n");
    schedule.open();
    schedule.radio[2].itemIndex = 1;
    schedule.edit[0].text = "60";
    schedule.edit[3].text = "soon";
    EXPECT_THROW(schedule.Button1Click(), lv::Error);
    EXPECT_TRUE(schedule.visible);
    EXPECT_EQ(stored("theme"), "1");
    EXPECT_EQ(stored("papertime"), "5");
    EXPECT_EQ(stored("savertime"), "<none>");
}

TEST_F(SchedulerTest, OpeningAgainDropsEditsAndCancelWritesNothing)
{
    schedule.open();
    schedule.edit[0].text = "30";
    schedule.radio[0].itemIndex = 1;
    schedule.open();
    EXPECT_EQ(schedule.edit[0].text, "0");
    EXPECT_EQ(schedule.radio[0].itemIndex, 0);
    schedule.edit[0].text = "30";
    schedule.Button2Click();
    EXPECT_FALSE(schedule.visible);
    EXPECT_FALSE(fx.files.fileExists(Ini));
}

} // namespace
