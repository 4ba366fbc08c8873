// Run only after tarn-pack has packed this very program with probe.ini:
// the resources must be where the launcher looks for them, and decipher to
// what was packed.

#include <gtest/gtest.h>

#include "platform/cipher.h"
#include "platform/raw_resource.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// probe.ini as the launcher must see it: UTF-16, CR LF line ends.
const std::u16string kPackedText =
    u"[Application]\r\n"
    u"Main Class=com/example/Hello\r\n"
    u"; Beyond ASCII, in UTF-8 here: caf\u00E9, \u20AC, \u65E5\u672C\r\n"
    u"\r\n"
    u"[Class Path]\r\n"
    u"hello.jar\r\n";

Bytes utf16LittleEndian(const std::u16string& text)
{
    Bytes bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

TEST(PackedProbe, CarriesThePassPhraseEncipheredWithTheUpgradeCode)
{
    Bytes bytes;
    ASSERT_TRUE(platform::loadRawResource(9000, bytes));
    ASSERT_TRUE(platform::rc4WithDerivedKey(TARN_PROBE_UPGRADE_CODE, bytes));
    EXPECT_EQ(bytes, utf16LittleEndian(u"" TARN_PROBE_PASS_PHRASE));
}

TEST(PackedProbe, CarriesTheConfigurationEncipheredWithThePassPhrase)
{
    Bytes bytes;
    ASSERT_TRUE(platform::loadRawResource(8000, bytes));
    ASSERT_TRUE(platform::rc4WithDerivedKey(TARN_PROBE_PASS_PHRASE, bytes));
    EXPECT_EQ(bytes, utf16LittleEndian(kPackedText));
}

TEST(PackedProbe, HasNoOtherRawResource)
{
    Bytes bytes{1, 2, 3};
    EXPECT_FALSE(platform::loadRawResource(8001, bytes));
    EXPECT_EQ(bytes, (Bytes{1, 2, 3}));
}

}  // namespace
