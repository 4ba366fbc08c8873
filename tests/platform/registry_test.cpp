#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/registry_writer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

Bytes withTerminator(const std::string& text)
{
    Bytes data(text.begin(), text.end());
    data.push_back(0);
    return data;
}

std::string upperCase(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// Every subkey name in the order the registry gives them.
Names allSubkeys(const platform::RegistryKey& key)
{
    Names names;
    std::string name;
    for (std::uint32_t index = 0; platform::subkeyName(key, index, name); ++index) {
        names.push_back(name);
    }
    return names;
}

class RegistryBranch : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(registry_.ready()); }

    std::string path(const std::string& below) const
    {
        return below.empty() ? registry_.root() : registry_.root() + "\\" + below;
    }

    TestRegistry registry_;
};

struct OpenCase {
    const char* name;
    Names created;
    std::string opened;
    bool upperCaseWholePath;
    bool opens;
};

class RegistryOpen : public RegistryBranch, public testing::WithParamInterface<OpenCase> {};

TEST_P(RegistryOpen, OpensOnlyKeysThatExist)
{
    for (const std::string& key : GetParam().created) {
        ASSERT_TRUE(registry_.createKey(key));
    }
    ASSERT_TRUE(registry_.setString("", "JavaHome", "C:\\jre"));
    std::string opened = path(GetParam().opened);
    if (GetParam().upperCaseWholePath) {
        opened = upperCase(opened);
    }
    EXPECT_EQ(static_cast<bool>(platform::openLocalMachineKey(opened)), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryOpen,
    testing::Values(
        OpenCase{"present", {"Java Runtime Environment\\1.6.0_07"}, "Java Runtime Environment\\1.6.0_07", false, true},
        OpenCase{"parentOfPresent", {"Java Runtime Environment\\1.6.0_07"}, "Java Runtime Environment", false, true},
        OpenCase{"missing", {"Java Runtime Environment"}, "Java Development Kit", false, false},
        OpenCase{"missingBelowMissing", {}, "Java Development Kit\\1.6.0_07", false, false},
        OpenCase{"missingBelowPresent", {"Java Runtime Environment"}, "Java Runtime Environment\\1.6", false, false},
        OpenCase{"otherLetterCase", {"Java Runtime Environment\\1.6.0_07"}, "Java Runtime Environment\\1.6.0_07",
                 true, true},
        OpenCase{"valueIsNoKey", {}, "JavaHome", false, false}),
    [](const testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

struct EnumerationCase {
    const char* name;
    Names created;
    Names expected;
};

class RegistryEnumeration : public RegistryBranch, public testing::WithParamInterface<EnumerationCase> {};

TEST_P(RegistryEnumeration, GivesSubkeysSortedWithoutRegardToLetterCase)
{
    for (const std::string& key : GetParam().created) {
        ASSERT_TRUE(registry_.createKey("list\\" + key));
    }
    ASSERT_TRUE(registry_.createKey("list"));
    ASSERT_TRUE(registry_.setString("list", "JavaHome", "C:\\jre"));
    platform::RegistryKey key = platform::openLocalMachineKey(path("list"));
    ASSERT_TRUE(key);
    EXPECT_EQ(allSubkeys(key), GetParam().expected);

    std::string name = "untouched";
    EXPECT_FALSE(platform::subkeyName(key, static_cast<std::uint32_t>(GetParam().expected.size()), name));
    EXPECT_FALSE(platform::subkeyName(key, 1000, name));
    EXPECT_EQ(name, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryEnumeration,
    testing::Values(
        EnumerationCase{"none", {}, {}},
        EnumerationCase{"versionsAsText", {"1.6.0_07", "1.10.0", "1.5.0_12"}, {"1.10.0", "1.5.0_12", "1.6.0_07"}},
        EnumerationCase{"mixedLetterCase", {"beta", "GAMMA", "Alpha"}, {"Alpha", "beta", "GAMMA"}},
        // Compared in lower case, as Wine does, the underscore comes before
        // letters (in upper case it would come after them).
        EnumerationCase{"underscoreBeforeLetters", {"1.6.0b", "1.6.0_07"}, {"1.6.0_07", "1.6.0b"}},
        EnumerationCase{"onlyDirectSubkeys", {"1.6\\inner", "1.5"}, {"1.5", "1.6"}}),
    [](const testing::TestParamInfo<EnumerationCase>& info) { return std::string(info.param.name); });

struct ValueCase {
    const char* name;
    std::string text;
    std::string asked;
    std::optional<Bytes> expected;
};

class RegistryValue : public RegistryBranch, public testing::WithParamInterface<ValueCase> {};

TEST_P(RegistryValue, GivesTheStoredDataWithItsTerminator)
{
    ASSERT_TRUE(registry_.setString("1.6.0_07", "JavaHome", GetParam().text));
    ASSERT_TRUE(registry_.createKey("1.6.0_07\\sub"));
    platform::RegistryKey key = platform::openLocalMachineKey(path("1.6.0_07"));
    ASSERT_TRUE(key);
    Bytes data{0xEE};
    EXPECT_EQ(platform::readValueData(key, GetParam().asked, data), GetParam().expected.has_value());
    EXPECT_EQ(data, GetParam().expected.value_or(Bytes{0xEE}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryValue,
    testing::Values(
        ValueCase{"text", "C:\\Program Files\\Java\\jre1.6.0_07", "JavaHome",
                  withTerminator("C:\\Program Files\\Java\\jre1.6.0_07")},
        ValueCase{"emptyTextIsJustTheTerminator", "", "JavaHome", Bytes{0}},
        ValueCase{"otherLetterCase", "C:\\jre", "JAVAHOME", withTerminator("C:\\jre")},
        ValueCase{"missing", "C:\\jre", "RuntimeLib", std::nullopt},
        ValueCase{"subkeyIsNoValue", "C:\\jre", "sub", std::nullopt}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST_F(RegistryBranch, ReadsAValueThroughAPathOfOtherLetterCase)
{
    ASSERT_TRUE(registry_.setString("Java Runtime Environment\\1.6.0_07", "JavaHome", "C:\\jre6"));
    platform::RegistryKey key = platform::openLocalMachineKey(upperCase(path("java runtime environment\\1.6.0_07")));
    ASSERT_TRUE(key);
    Bytes data;
    ASSERT_TRUE(platform::readValueData(key, "javahome", data));
    EXPECT_EQ(data, withTerminator("C:\\jre6"));
}

TEST(RegistryEmptyKey, ReadsNothing)
{
    platform::RegistryKey key;
    std::string name = "untouched";
    Bytes data{0xEE};
    EXPECT_FALSE(platform::subkeyName(key, 0, name));
    EXPECT_FALSE(platform::readValueData(key, "JavaHome", data));
    EXPECT_EQ(name, "untouched");
    EXPECT_EQ(data, Bytes{0xEE});
}

}  // namespace
