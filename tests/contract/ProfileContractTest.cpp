// Profile files as the system's profile functions read and write them.
#include "contract/ContractEnv.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace lv::contract {

namespace {

class ProfileContract : public testing::Test {
protected:
    void SetUp() override
    {
        folder = env->scratchFolder();
        path = folder + "test.ini";
    }

    void writeText(const std::string& text) { ASSERT_TRUE(env->files().writeFile(path, bytesOf(text))); }

    std::string text()
    {
        const auto bytes = env->files().readFile(path);
        return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
    }

    std::string read(const std::string& section, const std::string& key, const std::string& fallback = "DEF")
    {
        return env->profile().readString(path, section, key, fallback);
    }

    std::unique_ptr<ContractEnv> env = makeContractEnv();
    std::string folder;
    std::string path;
};

TEST_F(ProfileContract, ValuesLoseSurroundingWhiteSpaceAndOnePairOfMatchingQuotes)
{
    writeText("[S]\r\n"
              "  plain  =  value one  \r\n"
              "\ttabbed\t=\tv\t\r\n"
              "double=\"quoted\"\r\n"
              "single='quoted'\r\n"
              "padded=  \" inner spaces \"  \r\n"
              "inner=\"a\" b\"\r\n"
              "unmatched=\"half\r\n"
              "mixed=\"x'\r\n"
              "lone=\"\r\n"
              "emptyquotes=\"\"\r\n"
              "empty=\r\n");
    EXPECT_EQ(read("S", "plain"), "value one");
    EXPECT_EQ(read("S", "tabbed"), "v");
    EXPECT_EQ(read("S", "double"), "quoted");
    EXPECT_EQ(read("S", "single"), "quoted");
    EXPECT_EQ(read("S", "padded"), " inner spaces ");
    EXPECT_EQ(read("S", "inner"), "a\" b");
    EXPECT_EQ(read("S", "unmatched"), "\"half");
    EXPECT_EQ(read("S", "mixed"), "\"x'");
    EXPECT_EQ(read("S", "lone"), "\"");
    EXPECT_EQ(read("S", "emptyquotes"), "");
    EXPECT_EQ(read("S", "empty"), "");
}

TEST_F(ProfileContract, DefaultsLoseTrailingSpacesAndQuotes)
{
    writeText("[S]\r\nk=v\r\n");
    EXPECT_EQ(read("S", "missing", "  def  "), "  def");
    EXPECT_EQ(read("S", "missing", "\"q\""), "q");
    EXPECT_EQ(read("Nope", "k", "fallback"), "fallback");
}

TEST_F(ProfileContract, LongValuesAreCutAt1023Characters)
{
    std::string value(1500, 'x');
    value[1022] = 'y';
    value[1023] = 'z';
    env->profile().writeString(path, "S", "long", value);
    env->profile().writeString(path, "S", "quoted", "\"" + std::string(1100, 'q') + "\"");
    EXPECT_EQ(read("S", "long"), value.substr(0, 1023));
    EXPECT_EQ(read("S", "quoted"), std::string(1023, 'q'));
    // The file keeps the whole value.
    EXPECT_NE(text().find(value), std::string::npos);
}

TEST_F(ProfileContract, IntegersAndBooleansFollowTheProgramsRuleOverTheStoredText)
{
    writeText("[N]\r\nhex=0x1F\r\nhexcase=0XfF\r\nnegative=-42\r\ngarbage=12abc\r\nword=abc\r\n"
              "quoted=\"7\"\r\nspaced=  13  \r\nbarehex=0x\r\nwrapped=2147483648\r\n"
              "two=2\r\nzero=0\r\nyes=yes\r\n");
    ProfileFile& profile = env->profile();
    EXPECT_EQ(profile.readInteger(path, "N", "hex", -1), 31);
    EXPECT_EQ(profile.readInteger(path, "N", "hexcase", -1), 255);
    EXPECT_EQ(profile.readInteger(path, "N", "negative", -1), -42);
    EXPECT_EQ(profile.readInteger(path, "N", "garbage", -1), -1);
    EXPECT_EQ(profile.readInteger(path, "N", "word", -1), -1);
    EXPECT_EQ(profile.readInteger(path, "N", "quoted", -1), 7);
    EXPECT_EQ(profile.readInteger(path, "N", "spaced", -1), 13);
    EXPECT_EQ(profile.readInteger(path, "N", "barehex", -1), -1);
    EXPECT_EQ(profile.readInteger(path, "N", "wrapped", -1), -1);
    EXPECT_EQ(profile.readInteger(path, "N", "missing", 9), 9);
    EXPECT_TRUE(profile.readBool(path, "N", "two", false));
    EXPECT_FALSE(profile.readBool(path, "N", "zero", true));
    EXPECT_TRUE(profile.readBool(path, "N", "yes", true));
    EXPECT_FALSE(profile.readBool(path, "N", "yes", false));

    profile.writeInteger(path, "N", "written", -7);
    profile.writeBool(path, "N", "flag", true);
    EXPECT_EQ(read("N", "written"), "-7");
    EXPECT_EQ(read("N", "flag"), "1");
}

TEST_F(ProfileContract, SectionsAndKeysIgnoreLetterCaseAndKeepTheirStoredCase)
{
    writeText("[Section]\r\nKey=old\r\nk=1\r\nK=2\r\n[section]\r\nlater=x\r\n");
    EXPECT_EQ(read("SECTION", "key"), "old");
    // The first of duplicate sections and keys is the one found.
    EXPECT_EQ(read("section", "k"), "1");
    EXPECT_EQ(read("Section", "later"), "DEF");

    env->profile().writeString(path, "SECTION", "KEY", "new");
    env->profile().writeString(path, "section", "K", "3");
    EXPECT_EQ(text(), "[Section]\r\nKey=new\r\nk=3\r\nK=2\r\n[section]\r\nlater=x\r\n");
}

TEST_F(ProfileContract, RewritesKeepKeyOrderAndAppendNewKeysToTheirSection)
{
    writeText("[A]\r\nx=1\r\n\r\n  y  =  2  \r\n[B]\r\nz=3");
    ProfileFile& profile = env->profile();
    profile.writeString(path, "A", "x", "10");
    profile.writeString(path, "A", "new", "  leading spaces dropped");
    profile.writeString(path, "C", "c", "4");
    profile.writeString(path, "B", "w", "5");
    EXPECT_EQ(text(), "[A]\r\nx=10\r\ny=2\r\nnew=leading spaces dropped\r\n[B]\r\nz=3\r\nw=5\r\n[C]\r\nc=4\r\n");
    EXPECT_EQ(profile.keyNames(path, "a"), (std::vector<std::string>{"x", "y", "new"}));
}

TEST_F(ProfileContract, NamesAreFoundTrimmedAndWrittenWithoutLeadingSpaces)
{
    writeText("before=0\r\n[ Spaced ]\r\n  key  =v\r\n");
    EXPECT_EQ(read("", "before"), "0");
    EXPECT_EQ(read("Spaced", "key"), "v");
    EXPECT_EQ(read("  spaced  ", "  KEY  "), "v");
    env->profile().writeString(path, " New ", "  name  ", "x");
    EXPECT_EQ(text(), "before=0\r\n[Spaced]\r\nkey=v\r\n[New ]\r\nname  =x\r\n");
    EXPECT_EQ(read("New", "name"), "x");
}

TEST_F(ProfileContract, CommentsAndLinesWithoutEqualsAreKeptButAreNotKeys)
{
    writeText("[S]\r\n;comment=x\r\nnoequals\r\n  ; indented=y\r\nreal=1\r\n");
    EXPECT_EQ(env->profile().keyNames(path, "S"), std::vector<std::string>{"real"});
    EXPECT_EQ(read("S", "noequals"), "DEF");
    env->profile().writeString(path, "S", "more", "2");
    EXPECT_EQ(text(), "[S]\r\n;comment=x\r\nnoequals\r\n; indented=y\r\nreal=1\r\nmore=2\r\n");
}

TEST_F(ProfileContract, EraseRemovesOneSectionWithItsKeys)
{
    writeText("[Keep]\r\na=1\r\n[Gone]\r\nb=2\r\nc=3\r\n[Also]\r\nd=4\r\n");
    env->profile().eraseSection(path, "GONE");
    EXPECT_EQ(text(), "[Keep]\r\na=1\r\n[Also]\r\nd=4\r\n");
    EXPECT_TRUE(env->profile().keyNames(path, "Gone").empty());
    EXPECT_EQ(read("Gone", "b"), "DEF");
    env->profile().eraseSection(path, "NeverThere");
    EXPECT_EQ(read("Also", "d"), "4");
}

TEST_F(ProfileContract, AMissingFileReadsAsDefaultsAndIsCreatedByAWrite)
{
    EXPECT_EQ(read("S", "k", "fallback"), "fallback");
    EXPECT_TRUE(env->profile().keyNames(path, "S").empty());
    env->profile().eraseSection(path, "S");
    EXPECT_FALSE(env->files().fileExists(path));

    env->profile().writeString(path, "S", "k", "v");
    EXPECT_EQ(text(), "[S]\r\nk=v\r\n");
}

TEST_F(ProfileContract, WritesThatFailRaiseUnableToWrite)
{
    const std::string inMissingFolder = folder + "missing\\test.ini";
    try {
        env->profile().writeString(inMissingFolder, "S", "k", "v");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), ("Unable to write to " + inMissingFolder).c_str());
    }
    EXPECT_THROW(env->profile().eraseSection(inMissingFolder, "S"), Error);

    writeText("[S]\r\nk=v\r\n");
    ASSERT_TRUE(env->files().setAttributes(path, FileAttr::ReadOnly));
    EXPECT_THROW(env->profile().writeString(path, "S", "k", "changed"), Error);
    EXPECT_THROW(env->profile().eraseSection(path, "S"), Error);
    EXPECT_EQ(read("S", "k"), "v");
    env->files().setAttributes(path, 0);
}

TEST_F(ProfileContract, EveryKeyNameIsListedHoweverMany)
{
    std::string content = "[Big]\r\n";
    std::vector<std::string> expected;
    for (int i = 1; i <= 3000; ++i) {
        expected.push_back("key" + std::to_string(i));
        content += expected.back() + "=C:\\some\\folder\\file" + std::to_string(i) + ".bmp\r\n";
    }
    writeText(content + "[After]\r\nx=1\r\n");
    EXPECT_EQ(env->profile().keyNames(path, "Big"), expected);

    env->profile().writeString(path, "Big", "key3001", "x");
    expected.push_back("key3001");
    EXPECT_EQ(env->profile().keyNames(path, "big"), expected);
    EXPECT_EQ(read("Big", "key1"), "C:\\some\\folder\\file1.bmp");
}

TEST_F(ProfileContract, AFileCopiedInPlaceIsWhatTheNextReadSees)
{
    // The program keeps a backup of its configuration and copies it back.
    const std::string backup = folder + "backup.ini";
    env->profile().writeString(path, "S", "k", "original");
    ASSERT_TRUE(env->files().copyFile(path, backup));
    env->profile().writeString(path, "S", "k", "changed");
    env->profile().writeString(path, "S", "extra", "1");
    EXPECT_EQ(read("S", "k"), "changed");
    ASSERT_TRUE(env->files().copyFile(backup, path));
    EXPECT_EQ(read("S", "k"), "original");
    EXPECT_EQ(env->profile().keyNames(path, "S"), std::vector<std::string>{"k"});
}

} // namespace

} // namespace lv::contract
