// Registry keys and values as the system keeps them.
#include "contract/ContractEnv.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace lv::contract {

namespace {

class RegistryContract : public testing::Test {
protected:
    void SetUp() override { key = env->createTestKey(); }

    std::unique_ptr<RegistryKey> open(KeyAccess access = KeyAccess::Read)
    {
        return env->registry().openKey(RegistryRoot::CurrentUser, key, access);
    }

    void setString(const std::string& name, const std::string& text, std::uint32_t type = RegType::Sz)
    {
        auto bytes = bytesOf(text);
        bytes.push_back(0);
        env->setValue(key, name, type, bytes);
    }

    std::string errorOf(RegistryKey& opened, const std::string& name)
    {
        try {
            opened.readString(name);
        } catch (const Error& e) {
            return e.what();
        }
        return "<no error>";
    }

    std::unique_ptr<ContractEnv> env = makeContractEnv();
    std::string key;
};

TEST_F(RegistryContract, MissingKeysAreNotOpenedAndNotCreated)
{
    EXPECT_EQ(env->registry().openKey(RegistryRoot::CurrentUser, key + "\\Missing\\Deeper"), nullptr);
    EXPECT_EQ(env->registry().openKey(RegistryRoot::CurrentUser, key + "\\Missing", KeyAccess::ReadWrite), nullptr);
    EXPECT_FALSE(env->keyExists(key + "\\Missing"));
}

TEST_F(RegistryContract, KeysOpenWithOrWithoutLeadingBackslashInAnyLetterCase)
{
    env->createKey(key + "\\Sub Key");
    setString("v", "found", RegType::Sz);
    EXPECT_NE(env->registry().openKey(RegistryRoot::CurrentUser, "\\" + key), nullptr);
    auto sub = env->registry().openKey(RegistryRoot::CurrentUser, key + "\\SUB KEY");
    ASSERT_NE(sub, nullptr);
    auto upper = env->registry().openKey(RegistryRoot::CurrentUser, "SOFTWARE" + key.substr(8));
    ASSERT_NE(upper, nullptr);
    EXPECT_EQ(upper->readString("V"), "found");
}

TEST_F(RegistryContract, OnlyStringValuesReadAsTextUnexpanded)
{
    setString("sz", "text");
    setString("expand", "%WINDIR%\\media", RegType::ExpandSz);
    setString("empty", "");
    env->setValue(key, "zerolength", RegType::Sz, {});
    env->setValue(key, "nonul", RegType::Sz, bytesOf("abc"));
    env->setValue(key, "embedded", RegType::Sz, {'a', 'b', 0, 'c', 'd', 0});
    env->setValue(key, "dword", RegType::Dword, {1, 0, 0, 0});
    env->setValue(key, "binary", RegType::Binary, {1, 2, 3});
    env->setValue(key, "multi", RegType::MultiSz, {'a', 0, 'b', 0, 0});
    auto opened = open();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->readString("sz"), "text");
    EXPECT_EQ(opened->readString("SZ"), "text");
    EXPECT_EQ(opened->readString("expand"), "%WINDIR%\\media");
    EXPECT_EQ(opened->readString("empty"), "");
    EXPECT_EQ(opened->readString("zerolength"), "");
    EXPECT_EQ(opened->readString("nonul"), "abc");
    EXPECT_EQ(opened->readString("embedded"), "ab");
    EXPECT_EQ(opened->readString("missing"), "");
    EXPECT_EQ(errorOf(*opened, "dword"), "Invalid data type for 'dword'");
    EXPECT_EQ(errorOf(*opened, "binary"), "Invalid data type for 'binary'");
    EXPECT_EQ(errorOf(*opened, "multi"), "Invalid data type for 'multi'");
    EXPECT_TRUE(opened->hasValue("dword"));
    EXPECT_FALSE(opened->hasValue("missing"));
}

TEST_F(RegistryContract, TheDefaultValueIsTheEmptyName)
{
    auto opened = open();
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(opened->hasValue(""));
    EXPECT_EQ(opened->readString(""), "");

    setString("", "default text");
    EXPECT_TRUE(opened->hasValue(""));
    EXPECT_EQ(opened->readString(""), "default text");

    env->setValue(key, "", RegType::Dword, {5, 0, 0, 0});
    EXPECT_EQ(errorOf(*opened, ""), "Invalid data type for ''");
}

TEST_F(RegistryContract, SubkeysAreListedInTheRegistrysOwnOrder)
{
    for (const char* name : {"b", "A", "_x", "a1", "Z", "~t", "1", "ab", "aB2"}) env->createKey(key + "\\" + name);
    auto opened = open();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->subkeyNames(),
              (std::vector<std::string>{"1", "_x", "A", "a1", "ab", "aB2", "b", "Z", "~t"}));
}

TEST_F(RegistryContract, WritesStoreStringsAndDeletesRemoveValues)
{
    env->setValue(key, "was dword", RegType::Dword, {7, 0, 0, 0});
    auto opened = open(KeyAccess::ReadWrite);
    ASSERT_NE(opened, nullptr);
    opened->writeString("name", "C:\\dir\\file.bmp");
    opened->writeString("WAS DWORD", "now text");
    opened->writeString("", "default");

    const auto written = env->value(key, "name");
    ASSERT_TRUE(written);
    EXPECT_EQ(written->type, RegType::Sz);
    EXPECT_EQ(written->bytes, bytesOf(std::string("C:\\dir\\file.bmp") + '\0'));
    EXPECT_EQ(env->value(key, "was dword")->type, RegType::Sz);
    EXPECT_EQ(opened->readString("was dword"), "now text");
    EXPECT_EQ(opened->readString(""), "default");

    EXPECT_TRUE(opened->deleteValue("NAME"));
    EXPECT_FALSE(opened->deleteValue("name"));
    EXPECT_FALSE(env->value(key, "name"));
}

TEST_F(RegistryContract, AKeyOpenedForReadingRefusesWrites)
{
    setString("v", "kept");
    auto opened = open(KeyAccess::Read);
    ASSERT_NE(opened, nullptr);
    try {
        opened->writeString("v", "changed");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'v'");
    }
    EXPECT_FALSE(opened->deleteValue("v"));
    EXPECT_EQ(opened->readString("v"), "kept");
}

} // namespace

} // namespace lv::contract
