#include "tools/embedded_configuration.h"

#include <gtest/gtest.h>

#include "platform/cipher.h"
#include "tools/ini_text.h"

namespace {

using packer::Bytes;
using packer::EncipheredConfiguration;

const std::u16string kText = u"[Application]\r\nMain Class=com/example/Caf\u00E9\r\n";
const std::string kUpgradeCode = "{8D3A2F8C-1B6E-4C5D-9A7F-2E4B6C8D0A1F}";
const std::string kPassPhrase = "correct horse";

EncipheredConfiguration enciphered()
{
    EncipheredConfiguration result;
    std::string error;
    EXPECT_TRUE(packer::encipherConfiguration(kText, kUpgradeCode, kPassPhrase, result, error)) << error;
    return result;
}

// What the launcher does with the two resources, step by step.
TEST(EncipherConfiguration, GivesWhatTheLaunchersChainDeciphers)
{
    EncipheredConfiguration resources = enciphered();
    Bytes passPhrase = resources.passPhrase;
    ASSERT_TRUE(platform::rc4WithDerivedKey(kUpgradeCode, passPhrase));
    EXPECT_EQ(passPhrase, packer::utf16LittleEndian(u"correct horse"));

    Bytes text = resources.configuration;
    ASSERT_TRUE(platform::rc4WithDerivedKey(kPassPhrase, text));
    EXPECT_EQ(text, packer::utf16LittleEndian(kText));
    EXPECT_NE(resources.configuration, packer::utf16LittleEndian(kText)) << "not enciphered";
}

TEST(DecipherConfiguration, GivesTheTextBackWithTheRightUpgradeCode)
{
    std::u16string text;
    std::string error;
    ASSERT_TRUE(packer::decipherConfiguration(enciphered(), kUpgradeCode, text, error)) << error;
    EXPECT_EQ(text, kText);
}

TEST(DecipherConfiguration, SaysSoWhenTheUpgradeCodeIsWrong)
{
    std::u16string text = u"untouched";
    std::string error;
    EXPECT_FALSE(packer::decipherConfiguration(enciphered(), "{00000000-0000-0000-0000-000000000000}", text, error));
    EXPECT_EQ(error, "the embedded configuration does not decipher to text with this Upgrade Code");
    EXPECT_EQ(text, u"untouched");
}

struct EmptyKeyCase {
    const char* name;
    std::string upgradeCode;
    std::string passPhrase;
    std::string reason;
};

class EmptyKey : public testing::TestWithParam<EmptyKeyCase> {};

// The launcher ignores the resources when its Upgrade Code is empty, so
// such a packing could never be read.
TEST_P(EmptyKey, IsRefused)
{
    EncipheredConfiguration result{Bytes{1}, Bytes{2}};
    std::string error;
    EXPECT_FALSE(
        packer::encipherConfiguration(kText, GetParam().upgradeCode, GetParam().passPhrase, result, error));
    EXPECT_EQ(error, GetParam().reason);
    EXPECT_EQ(result.configuration, Bytes{1});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EmptyKey,
    testing::Values(EmptyKeyCase{"upgradeCode", "", kPassPhrase, "the Upgrade Code must not be empty"},
                    EmptyKeyCase{"passPhrase", kUpgradeCode, "", "the pass phrase must not be empty"}),
    [](const testing::TestParamInfo<EmptyKeyCase>& info) { return std::string(info.param.name); });

}  // namespace
