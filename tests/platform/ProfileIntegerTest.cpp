// The configuration file's integer rule, which differs from the platform's
// own integer reader on purpose.
#include "platform/ProfileFile.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

class ProfileIntegerRule : public testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileIntegerRule, ParsesOrRejects)
{
    EXPECT_EQ(lv::parseProfileInteger(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileIntegerRule, testing::Values(
    IntegerCase{"0", 0}, IntegerCase{"12", 12}, IntegerCase{"-3", -3}, IntegerCase{"+7", 7},
    IntegerCase{"0x1F", 31}, IntegerCase{"0X1f", 31}, IntegerCase{"0xFFFFFFFF", -1},
    IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", INT32_MIN},
    // Where the platform's reader would answer 12, 0 or a wrapped value, the rule gives no number.
    IntegerCase{"12abc", std::nullopt}, IntegerCase{"abc", std::nullopt}, IntegerCase{"0xZZ", std::nullopt},
    IntegerCase{"2147483648", std::nullopt}, IntegerCase{"0x100000000", std::nullopt},
    // "0x" alone is not longer than two characters, so it is not hexadecimal either.
    IntegerCase{"0x", std::nullopt}, IntegerCase{"", std::nullopt}, IntegerCase{"-", std::nullopt},
    IntegerCase{" 5", std::nullopt}));

} // namespace
