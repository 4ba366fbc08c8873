#include "platform/text_conversion.h"

#include <gtest/gtest.h>

namespace {

// This build's ANSI code page is UTF-8.
struct Utf8Case {
    const char* name;
    std::u16string wide;
    std::string narrow;
};

class Utf16ToUtf8 : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf16ToUtf8, Converts)
{
    EXPECT_EQ(platform::narrowFromUtf16(GetParam().wide), GetParam().narrow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf16ToUtf8,
    testing::Values(Utf8Case{"ascii", u"abc", "abc"},
                    Utf8Case{"twoBytes", u"\u00e9", "\xc3\xa9"},
                    Utf8Case{"threeBytes", u"\u20ac", "\xe2\x82\xac"},
                    Utf8Case{"surrogatePair", u"\U0001F600", "\xf0\x9f\x98\x80"},
                    Utf8Case{"loneHighSurrogate", std::u16string(1, u'\xD800') + u"x", "\xef\xbf\xbdx"},
                    Utf8Case{"loneLowSurrogate", std::u16string(1, u'\xDC00'), "\xef\xbf\xbd"}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

class Utf8ToUtf16 : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToUtf16, Converts)
{
    EXPECT_EQ(platform::utf16FromNarrow(GetParam().narrow), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ToUtf16,
    testing::Values(Utf8Case{"ascii", u"abc", "abc"},
                    Utf8Case{"twoBytes", u"\u00e9", "\xc3\xa9"},
                    Utf8Case{"surrogatePair", u"\U0001F600", "\xf0\x9f\x98\x80"},
                    Utf8Case{"strayContinuation", u"\uFFFDa", "\x80" "a"},
                    Utf8Case{"truncated", u"\uFFFD", "\xe2\x82"},
                    Utf8Case{"overlong", u"\uFFFD", "\xc0\xaf"},
                    Utf8Case{"encodedSurrogate", u"\uFFFD", "\xed\xa0\x80"}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

TEST(LeadByte, Utf8HasNone)
{
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_FALSE(platform::isLeadByte(static_cast<unsigned char>(byte)));
    }
}

}  // namespace
