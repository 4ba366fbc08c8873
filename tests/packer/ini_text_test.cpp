#include "tools/ini_text.h"

#include <gtest/gtest.h>

#include "platform/text_conversion.h"

namespace {

using packer::Bytes;

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u16string text;
};

class IniTextFromFile : public testing::TestWithParam<DecodeCase> {};

TEST_P(IniTextFromFile, GivesUtf16WithCrLfLineEnds)
{
    std::u16string text;
    std::string error;
    ASSERT_TRUE(packer::iniTextFromFile(bytesOf(GetParam().bytes), text, error)) << error;
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniTextFromFile,
    testing::Values(
        DecodeCase{"empty", "", u""},
        DecodeCase{"lineFeedsBecomeCrLf", "[A]\nk=v\n", u"[A]\r\nk=v\r\n"},
        DecodeCase{"crLfStays", "[A]\r\nk=v", u"[A]\r\nk=v"},
        DecodeCase{"loneCarriageReturnsBecomeCrLf", "[A]\rk=v\r", u"[A]\r\nk=v\r\n"},
        DecodeCase{"emptyLinesOfEveryKindStay", "a\r\n\n\r\rb", u"a\r\n\r\n\r\n\r\nb"},
        DecodeCase{"utf8WithoutMark", "k=caf\xC3\xA9 \xE2\x82\xAC", u"k=caf\u00E9 \u20AC"},
        DecodeCase{"utf8MarkIsDropped", "\xEF\xBB\xBFk=\xF0\x9D\x84\x9E\n", u"k=\U0001D11E\r\n"},
        DecodeCase{"utf16LittleEndianAfterItsMark", std::string("\xFF\xFEk\0=\0\xE9\0\n\0", 10), u"k=\u00E9\r\n"},
        DecodeCase{"utf16KeepsSurrogatePairs", std::string("\xFF\xFE\x34\xD8\x1E\xDD", 6), u"\U0001D11E"}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

// Bytes that are not strictly UTF-8 are text in the ANSI code page, as
// the launcher would have read the file itself.
class NotUtf8 : public testing::TestWithParam<std::pair<const char*, std::string>> {};

TEST_P(NotUtf8, IsReadInTheAnsiCodePage)
{
    std::u16string text;
    std::string error;
    ASSERT_TRUE(packer::iniTextFromFile(bytesOf("k=" + GetParam().second + "\n"), text, error)) << error;
    EXPECT_EQ(text, u"k=" + platform::utf16FromNarrow(GetParam().second) + u"\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, NotUtf8,
                         testing::Values(std::make_pair("latin1", std::string("caf\xE9")),
                                         std::make_pair("overlongSlash", std::string("\xC0\xAF")),
                                         std::make_pair("encodedSurrogate", std::string("\xED\xA0\x80")),
                                         std::make_pair("beyondUnicode", std::string("\xF4\x90\x80\x80")),
                                         std::make_pair("cutShort", std::string("\xE2\x82"))),
                         [](const testing::TestParamInfo<std::pair<const char*, std::string>>& info) {
                             return std::string(info.param.first);
                         });

struct RefusedCase {
    const char* name;
    std::string bytes;
    std::string reason;
};

class UnreadableIniText : public testing::TestWithParam<RefusedCase> {};

TEST_P(UnreadableIniText, IsRefusedWithItsReason)
{
    std::u16string text = u"untouched";
    std::string error;
    EXPECT_FALSE(packer::iniTextFromFile(bytesOf(GetParam().bytes), text, error));
    EXPECT_EQ(error, GetParam().reason);
    EXPECT_EQ(text, u"untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableIniText,
    testing::Values(RefusedCase{"utf16OddLength", "\xFF\xFEk", "it is UTF-16 with an odd number of bytes"},
                    RefusedCase{"utf16BigEndian", std::string("\xFE\xFF\0k", 4),
                                "it is UTF-16 big-endian; save it as UTF-16LE or UTF-8"},
                    RefusedCase{"markedUtf8Invalid", "\xEF\xBB\xBFk=caf\xE9",
                                "it is marked as UTF-8 but is not valid UTF-8"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(Utf16LittleEndian, DropsAnOddLastByteAsTheLauncherDoes)
{
    EXPECT_EQ(packer::utf16LittleEndian(u"A\u20AC"), (Bytes{0x41, 0x00, 0xAC, 0x20}));
    EXPECT_EQ(packer::textFromUtf16LittleEndian(Bytes{0x41, 0x00, 0xAC, 0x20, 0x42}), u"A\u20AC");
}

}  // namespace
