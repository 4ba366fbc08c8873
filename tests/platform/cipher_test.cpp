#include "platform/cipher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/portable/md5.h"
#include "platform/portable/rc4.h"

namespace {

std::string hex(const std::uint8_t* bytes, std::size_t size)
{
    std::string text;
    char digits[3];
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        text += digits;
    }
    return text;
}

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

struct Md5Case {
    std::string message;
    std::string digest;
};

class Md5KnownAnswers : public testing::TestWithParam<Md5Case> {};

TEST_P(Md5KnownAnswers, MatchTheReferenceDigests)
{
    platform::portable::Md5Digest digest = platform::portable::md5(GetParam().message.data(), GetParam().message.size());
    EXPECT_EQ(hex(digest.data(), digest.size()), GetParam().digest);
}

// The test suite of the MD5 reference, and lengths around the padding edges.
INSTANTIATE_TEST_SUITE_P(
    Reference, Md5KnownAnswers,
    testing::Values(
        Md5Case{"", "d41d8cd98f00b204e9800998ecf8427e"}, Md5Case{"a", "0cc175b9c0f1b6a831c399e269772661"},
        Md5Case{"abc", "900150983cd24fb0d6963f7d28e17f72"},
        Md5Case{"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        Md5Case{"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        Md5Case{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        Md5Case{"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
                "57edf4a22be3c955ac49da2e2107b67a"},
        Md5Case{std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
        Md5Case{std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
        Md5Case{std::string(64, 'a'), "014842d480b571495a4a0363793f7367"}),
    [](const testing::TestParamInfo<Md5Case>& info) { return "length" + std::to_string(info.param.message.size()); });

struct Rc4Case {
    const char* name;
    std::string key;
    std::string plain;
    std::string cipher;
};

class Rc4KnownAnswers : public testing::TestWithParam<Rc4Case> {};

TEST_P(Rc4KnownAnswers, MatchThePublishedVectors)
{
    std::vector<std::uint8_t> data = bytesOf(GetParam().plain);
    std::vector<std::uint8_t> key = bytesOf(GetParam().key);
    platform::portable::rc4(key.data(), key.size(), data.data(), data.size());
    EXPECT_EQ(hex(data.data(), data.size()), GetParam().cipher);
}

INSTANTIATE_TEST_SUITE_P(
    Published, Rc4KnownAnswers,
    testing::Values(Rc4Case{"Key", "Key", "Plaintext", "bbf316e8d940af0ad3"},
                    Rc4Case{"Wiki", "Wiki", "pedia", "1021bf0420"},
                    Rc4Case{"Secret", "Secret", "Attack at dawn", "45a01f645fc35b383552544b9bf5"}),
    [](const testing::TestParamInfo<Rc4Case>& info) { return std::string(info.param.name); });

// The system's cipher (CryptoAPI on Windows) and the portable one must be
// the same cipher: each deciphers what the other enciphered.
class SystemAndPortableCipher : public testing::TestWithParam<std::string> {};

TEST_P(SystemAndPortableCipher, DecipherEachOther)
{
    const std::string keyMaterial = GetParam();
    const std::vector<std::uint8_t> plain = bytesOf("[Application]\r\nMain Class=example.Hello\r\n");

    std::vector<std::uint8_t> bySystem = plain;
    ASSERT_TRUE(platform::rc4WithDerivedKey(keyMaterial, bySystem));
    EXPECT_NE(bySystem, plain);
    std::vector<std::uint8_t> byPortable = plain;
    platform::portable::rc4WithBaseProviderKey(keyMaterial, byPortable);
    EXPECT_EQ(bySystem, byPortable);

    platform::portable::rc4WithBaseProviderKey(keyMaterial, bySystem);
    EXPECT_EQ(bySystem, plain) << "the portable cipher deciphers the system's";
    ASSERT_TRUE(platform::rc4WithDerivedKey(keyMaterial, byPortable));
    EXPECT_EQ(byPortable, plain) << "the system's cipher deciphers the portable one's";
}

INSTANTIATE_TEST_SUITE_P(KeyMaterials, SystemAndPortableCipher,
                         testing::Values(std::string(""), std::string("{8F3A2C1E-1234-4BCD-9ABC-0123456789AB}"),
                                         std::string("pass phrase"), std::string(300, 'k')),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return "keyMaterial" + std::to_string(info.index);
                         });

TEST(BaseProviderKey, IsFortyBitsOfTheDigestAndElevenZeroBytes)
{
    std::vector<std::uint8_t> key = platform::portable::baseProviderRc4Key("abc");
    EXPECT_EQ(hex(key.data(), key.size()), "900150983c" + std::string(22, '0'));
}

TEST(SystemCipher, LeavesAnEmptyBufferEmpty)
{
    std::vector<std::uint8_t> empty;
    EXPECT_TRUE(platform::rc4WithDerivedKey("key", empty));
    EXPECT_TRUE(empty.empty());
}

}  // namespace
