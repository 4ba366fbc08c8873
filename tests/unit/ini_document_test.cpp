#include "config/ini_document.h"

#include <gtest/gtest.h>

#include "launch/string_list.h"

namespace {

struct SplitTextCase {
    const char* name;
    std::string text;
    std::string separator;
    StringList pieces;
};

class SplitText : public testing::TestWithParam<SplitTextCase> {};

TEST_P(SplitText, KeepsInnerEmptyPiecesButNoneAtTheEnd)
{
    EXPECT_EQ(splitText(GetParam().text, GetParam().separator), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitText,
    testing::Values(SplitTextCase{"empty", "", ";", {}},
                    SplitTextCase{"noSeparator", "1.6", ";", {"1.6"}},
                    SplitTextCase{"adjacentAndTrailing", "1.6;;1.5;", ";", {"1.6", "", "1.5"}},
                    SplitTextCase{"leading", ";1.6", ";", {"", "1.6"}},
                    SplitTextCase{"onlySeparator", ";", ";", {""}},
                    SplitTextCase{"crlfLines", "a\r\n\r\nb\r\n", "\r\n", {"a", "", "b"}},
                    SplitTextCase{"loneLineFeedIsNoSeparator", "a\nb\rc", "\r\n", {"a\nb\rc"}}),
    [](const testing::TestParamInfo<SplitTextCase>& info) { return std::string(info.param.name); });

// A document as "[name]key=value|key=value" lines, for comparing whole documents.
std::vector<std::string> outline(const IniDocument& document)
{
    std::vector<std::string> lines;
    for (const IniSection& section : document.sections) {
        std::string line = "[" + section.name + "]";
        for (const IniEntry& entry : section.entries) {
            line += entry.key + "=" + entry.value + "|";
        }
        lines.push_back(line);
    }
    return lines;
}

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<std::string> outline;
};

class ParseIniText : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIniText, BuildsSectionsAndEntries)
{
    IniDocument document;
    document.sections.push_back(IniSection{"stale", {}});
    parseIniText(GetParam().text, document);
    EXPECT_EQ(outline(document), GetParam().outline);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIniText,
    testing::Values(
        ParseCase{"empty", "", {}},
        ParseCase{"oneSection", "[Application]\r\nMain Class=a.B\r\n", {"[Application]Main Class=a.B|"}},
        ParseCase{"paddingAroundHeaderPassedOver", "  [Application]  \r\nK=v", {"[Application]K=v|"}},
        ParseCase{"blanksInsideBracketsKept", "[ Application ]\r\nK=v", {"[ Application ]K=v|"}},
        ParseCase{"highBytesAndControlsPadHeaders", "\x01\xe9[S]\t\xff\r\nK=v", {"[S]K=v|"}},
        ParseCase{"firstOpenLastClose", "[a]b]\r\n", {"[a]b]"}},
        ParseCase{"keyAndValueTrimmed", "[S]\r\n K \t= v \r\n", {"[S]K=v|"}},
        ParseCase{"firstEqualsSplits", "[S]\r\nK==v", {"[S]K==v|"}},
        ParseCase{"lineWithoutEqualsIgnored", "[S]\r\nK\r\n;comment\r\n", {"[S]"}},
        ParseCase{"commentCharacterWithEqualsIsAKey", "[S]\r\n;K=v\r\n#x=y", {"[S];K=v|#x=y|"}},
        ParseCase{"duplicatesKept", "[A]\r\nK=1\r\nK=2\r\n[A]\r\nK=3",
                  {"[A]K=1|K=2|", "[A]K=3|"}},
        ParseCase{"entriesBeforeAnyHeaderDropped", "K=v\r\n[S]\r\nL=w", {"[S]L=w|"}},
        ParseCase{"loneLineFeedsStayInTheValue", "[S]\r\nK=a\nL=b\n", {"[S]K=a\nL=b|"}},
        ParseCase{"emptyValue", "[S]\r\nK=", {"[S]K=|"}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(FindSectionAndKey, TakeTheFirstExactMatch)
{
    IniDocument document;
    parseIniText("[A]\r\nK=first\r\nK=second\r\nk=lower\r\n[A]\r\nL=hidden\r\n[a]\r\nK=other", document);

    const IniSection* section = findSection(document, "A");
    ASSERT_NE(section, nullptr);
    ASSERT_NE(findKey(*section, "K"), nullptr);
    EXPECT_EQ(findKey(*section, "K")->value, "first");
    EXPECT_EQ(findKey(*section, "k")->value, "lower");
    EXPECT_EQ(findKey(*section, "L"), nullptr) << "the keys of a second [A] are never found";
    EXPECT_EQ(findSection(document, "B"), nullptr);
    EXPECT_EQ(findKey(*findSection(document, "a"), "K")->value, "other") << "letter case counts";
}

}  // namespace
