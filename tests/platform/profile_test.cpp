// One behaviour for both builds: on Windows these cases run against the
// system's profile functions, on Linux against the reader and writer that
// take their place.
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/file_names.h"
#include "platform/text_conversion.h"
#include "support/profile_files.h"
#include "support/temp_folder.h"

namespace {

// Text in the ANSI code page of the build: bytes that mean the same
// characters on both.
std::string ansi(std::u16string_view text)
{
    return platform::narrowFromUtf16(text);
}

struct ReadCase {
    const char* name;
    std::optional<std::string> file;  // no file when empty
    std::string section;
    std::string key;
    std::string expected;
    std::uint32_t size = 256;
    std::string defaultValue = "default";
};

class ReadProfile : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadProfile, GivesTheValueTheSystemGives)
{
    const ReadCase& c = GetParam();
    TempFolder folder;
    std::string path = c.file ? folder.writeFile("case.ini", *c.file) : folder.file("missing.ini");
    // One byte more than the size, to see that nothing is written past it.
    std::string buffer(c.size + 1, '#');
    std::uint32_t length = platform::readProfileString(path, c.section, c.key, c.defaultValue, buffer.data(), c.size);
    EXPECT_STREQ(buffer.data(), c.expected.c_str());
    EXPECT_EQ(length, c.expected.size());
    EXPECT_EQ(buffer[c.size], '#');
}

const std::string kLongValue(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadProfile,
    testing::Values(
        ReadCase{"plainValue", "[s]\r\nk=v\r\n", "s", "k", "v"},
        // Section names
        ReadCase{"namesIgnoreAsciiLetterCase", "[SeC]\r\nKeY=v\r\n", "sEc", "kEy", "v"},
        ReadCase{"nonAsciiLettersKeepTheirCase", ansi(u"[\u00C9]\r\nk=v\r\n"), ansi(u"\u00E9"), "k", "default"},
        ReadCase{"blanksAroundHeaderIgnored", " \t[s] \t\r\nk=v\r\n", "s", "k", "v"},
        ReadCase{"blanksInsideBracketsIgnored", "[ \ts\t ]\r\nk=v\r\n", "s", "k", "v"},
        ReadCase{"blanksAroundAskedNamesIgnored", "[s]\r\nk=v\r\n", "  s  ", "\tk ", "v"},
        ReadCase{"headerNameEndsAtLastBracket", "[s]x]\r\nk=v\r\n", "s]x", "k", "v"},
        ReadCase{"textAfterHeaderIgnored", "[s] ; note\r\nk=v\r\n", "s", "k", "v"},
        ReadCase{"openBracketAloneMakesAKey", "[s]\r\n[t=v\r\n", "s", "[t", "v"},
        ReadCase{"semicolonBeforeBracketMakesNoHeader", ";[s]\r\nk=v\r\n", "s", "k", "default"},
        ReadCase{"onlyFirstOfTwoSectionsCounts", "[s]\r\na=1\r\n[S]\r\nb=2\r\n", "s", "b", "default"},
        ReadCase{"keysBeforeAnyHeaderBelongToNone", "k=v\r\n[s]\r\nj=w\r\n", "s", "k", "default"},
        ReadCase{"keyOfTheNextSectionNotFound", "[s]\r\n[t]\r\nk=v\r\n", "s", "k", "default"},
        // Keys
        ReadCase{"blanksAroundKeyIgnored", "[s]\r\n \t k \t= v\r\n", "s", "k", "v"},
        ReadCase{"blanksInsideKeyKept", "[s]\r\na b=v\r\n", "s", "a b", "v"},
        ReadCase{"firstOfTwoKeysCounts", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
        ReadCase{"keyWithoutEqualsGivesDefault", "[s]\r\nk\r\n", "s", "k", "default"},
        ReadCase{"keyWithoutEqualsHidesALaterOne", "[s]\r\nk\r\nk=v\r\n", "s", "k", "default"},
        ReadCase{"firstEqualsEndsKey", "[s]\r\nk==v=w\r\n", "s", "k", "=v=w"},
        ReadCase{"semicolonLineIsAKey", "[s]\r\n;k=v\r\n", "s", ";k", "v"},
        ReadCase{"semicolonLineHidesNothing", "[s]\r\n;k=v\r\nk=w\r\n", "s", "k", "w"},
        ReadCase{"quotesAroundKeyKept", "[s]\r\n\"k\"=v\r\n", "s", "k", "default"},
        // Values
        ReadCase{"blanksAroundValueRemoved", "[s]\r\nk=  v w  \r\n", "s", "k", "v w"},
        ReadCase{"controlBlanksAroundValueRemoved", "[s]\r\nk=\t\v\f\x1Av\x1A\f\v\t\r\n", "s", "k", "v"},
        ReadCase{"noBreakSpaceIsNoBlank", ansi(u"[s]\r\nk=\u00A0v\u00A0\r\n"), "s", "k", ansi(u"\u00A0v\u00A0")},
        ReadCase{"emptyValueIsNoDefault", "[s]\r\nk=\r\n", "s", "k", ""},
        ReadCase{"blankValueIsEmpty", "[s]\r\nk= \t \r\n", "s", "k", ""},
        // Quotes
        ReadCase{"doubleQuotesRemoved", "[s]\r\nk=\"v w\"\r\n", "s", "k", "v w"},
        ReadCase{"singleQuotesRemoved", "[s]\r\nk='v w'\r\n", "s", "k", "v w"},
        ReadCase{"blanksOutsideQuotesRemoved", "[s]\r\nk=  \"v w\" \t\r\n", "s", "k", "v w"},
        ReadCase{"blanksInsideQuotesKept", "[s]\r\nk=\" v w \"\r\n", "s", "k", " v w "},
        ReadCase{"unmatchedOpeningQuoteKept", "[s]\r\nk=\"v w\r\n", "s", "k", "\"v w"},
        ReadCase{"unmatchedClosingQuoteKept", "[s]\r\nk=v w\"\r\n", "s", "k", "v w\""},
        ReadCase{"differentQuotesKept", "[s]\r\nk=\"v w'\r\n", "s", "k", "\"v w'"},
        ReadCase{"onlyTheOuterPairRemoved", "[s]\r\nk=\"a\" \"b\"\r\n", "s", "k", "a\" \"b"},
        ReadCase{"innerPairKept", "[s]\r\nk=\"'v'\"\r\n", "s", "k", "'v'"},
        ReadCase{"loneQuoteKept", "[s]\r\nk=\"\r\n", "s", "k", "\""},
        ReadCase{"emptyQuotesGiveEmpty", "[s]\r\nk=\"\"\r\n", "s", "k", ""},
        ReadCase{"quotesInsideKept", "[s]\r\nk=a\"b\"c\r\n", "s", "k", "a\"b\"c"},
        // Line ends
        ReadCase{"lineFeeds", "[s]\nk=v\nj=w\n", "s", "j", "w"},
        ReadCase{"loneCarriageReturns", "[s]\rk=v\rj=w\r", "s", "j", "w"},
        ReadCase{"mixedLineEnds", "[s]\n\rk=v\r\r\nj=w", "s", "j", "w"},
        ReadCase{"noFinalLineEnd", "[s]\r\nk=v", "s", "k", "v"},
        // Encodings
        ReadCase{"utf16WithMark", utf16File(u"[s]\r\nk= \"v w\" \r\n"), "s", "k", "v w"},
        ReadCase{"utf16NonAsciiInAnsi", utf16File(u"[s]\r\nk=caf\u00E9\r\n"), "s", "k", ansi(u"caf\u00E9")},
        ReadCase{"utf16NamesIgnoreLetterCase", utf16File(u"[SEC]\r\nKEY=v"), "sec", "key", "v"},
        ReadCase{"utf16LoneCarriageReturns", utf16File(u"[s]\rk=v\rj=w"), "s", "j", "w"},
        ReadCase{"utf8MarkSkipped", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "v"},
        ReadCase{"ansiBytesAsTheyAre", ansi(u"[s]\r\nk=caf\u00E9\r\n"), "s", "k", ansi(u"caf\u00E9")},
        // Buffer size
        ReadCase{"valueCutToBuffer", "[s]\r\nk=abcdefghij\r\n", "s", "k", "abcd", 5},
        ReadCase{"valueFillingBuffer", "[s]\r\nk=abcd\r\n", "s", "k", "abcd", 5},
        ReadCase{"valueOneShortOfBuffer", "[s]\r\nk=abc\r\n", "s", "k", "abc", 5},
        ReadCase{"quotedValueCutToBuffer", "[s]\r\nk=\"abcdef\"\r\n", "s", "k", "abcd", 5},
        ReadCase{"utf16ValueCutToBuffer", utf16File(u"[s]\r\nk=abcdefgh"), "s", "k", "abcd", 5},
        ReadCase{"longValueWhole", "[s]\r\nk=" + kLongValue + "\r\n", "s", "k", kLongValue, 512},
        ReadCase{"longValueCut", "[s]\r\nk=" + kLongValue + "\r\n", "s", "k", kLongValue.substr(0, 255), 256},
        ReadCase{"bufferOfOneByte", "[s]\r\nk=abc\r\n", "s", "k", "", 1},
        // Defaults
        ReadCase{"missingFile", std::nullopt, "s", "k", "default"},
        ReadCase{"emptyFile", "", "s", "k", "default"},
        ReadCase{"missingSection", "[s]\r\nk=v\r\n", "t", "k", "default"},
        ReadCase{"missingKey", "[s]\r\nk=v\r\n", "s", "j", "default"},
        ReadCase{"emptyDefault", "[s]\r\n", "s", "k", "", 256, ""},
        ReadCase{"defaultCutToBuffer", "[s]\r\n", "s", "k", "def", 4, "defaultvalue"},
        ReadCase{"defaultLosesTrailingBlanks", "[s]\r\n", "s", "k", "  dv", 256, "  dv  "},
        ReadCase{"defaultLosesQuotes", "[s]\r\n", "s", "k", "dv", 256, "\"dv\"" }),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadProfileBuffer, OfNoBytesIsLeftUntouched)
{
    TempFolder folder;
    std::string path = folder.writeFile("case.ini", "[s]\r\nk=v\r\n");
    char buffer[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(platform::readProfileString(path, "s", "k", "default", buffer, 0), 0u);
    EXPECT_EQ(std::string(buffer, 4), "####");
}

// Files in the form the system writes (CRLF, no blank lines, no blanks
// around names): both builds give the same bytes.
struct WriteCase {
    const char* name;
    std::optional<std::string> before;  // no file when empty
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

class WriteProfile : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteProfile, GivesTheFileTheSystemGives)
{
    const WriteCase& c = GetParam();
    TempFolder folder;
    std::string path = c.before ? folder.writeFile("case.ini", *c.before) : folder.file("new.ini");
    ASSERT_TRUE(platform::writeProfileString(path, c.section, c.key, c.value));
    EXPECT_EQ(fileBytes(path), c.after);
    EXPECT_EQ(profileValue(path, c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteProfile,
    testing::Values(
        WriteCase{"replacesValue", "[s]\r\nk=v\r\n[t]\r\nk=w\r\n", "s", "k", "new", "[s]\r\nk=new\r\n[t]\r\nk=w\r\n"},
        WriteCase{"replacesRuntimePath", "[Java Runtime Environment]\r\nJRE Path=C:\\Old\\\r\n",
                  "Java Runtime Environment", "JRE Path", "C:\\Program Files\\Java\\jre\\",
                  "[Java Runtime Environment]\r\nJRE Path=C:\\Program Files\\Java\\jre\\\r\n"},
        WriteCase{"keepsTheFilesLetterCase", "[S]\r\nK=v\r\n", "s", "k", "new", "[S]\r\nK=new\r\n"},
        WriteCase{"replacesOnlyTheFirstKey", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "new", "[s]\r\nk=new\r\nk=2\r\n"},
        WriteCase{"replacesQuotedValue", "[s]\r\nk=\"v\"\r\n", "s", "k", "new", "[s]\r\nk=new\r\n"},
        WriteCase{"givesKeyWithoutEqualsItsValue", "[s]\r\nk\r\nz=1\r\n", "s", "k", "new", "[s]\r\nk=new\r\nz=1\r\n"},
        WriteCase{"sameValueLeavesFile", "[s]\r\nk = v\r\n", "s", "k", "v", "[s]\r\nk = v\r\n"},
        WriteCase{"keepsCommentLines", "[s]\r\n;comment\r\nk=v\r\n", "s", "k", "new", "[s]\r\n;comment\r\nk=new\r\n"},
        WriteCase{"addsKeyAtEndOfSection", "[s]\r\nk=v\r\n[t]\r\nx=y\r\n", "s", "j", "new",
                  "[s]\r\nk=v\r\nj=new\r\n[t]\r\nx=y\r\n"},
        WriteCase{"addsKeyToEmptySection", "[s]\r\n[t]\r\n", "s", "k", "new", "[s]\r\nk=new\r\n[t]\r\n"},
        WriteCase{"addsKeyToFirstOfTwoSections", "[s]\r\na=1\r\n[s]\r\nk=2\r\n", "s", "k", "new",
                  "[s]\r\na=1\r\nk=new\r\n[s]\r\nk=2\r\n"},
        WriteCase{"keyBeforeAnyHeaderIsNotTheSections", "k=1\r\n[s]\r\nj=2\r\n", "s", "k", "new",
                  "k=1\r\n[s]\r\nj=2\r\nk=new\r\n"},
        WriteCase{"addsKeyAfterHeaderWithoutLineEnd", "[s]", "s", "k", "new", "[s]\r\nk=new\r\n"},
        WriteCase{"addsSectionAtEnd", "[s]\r\nk=v\r\n", "t", "j", "new", "[s]\r\nk=v\r\n[t]\r\nj=new\r\n"},
        WriteCase{"addsSectionAfterLastLineWithoutLineEnd", "[s]\r\nk=v", "t", "j", "new",
                  "[s]\r\nk=v\r\n[t]\r\nj=new\r\n"},
        WriteCase{"createsMissingFile", std::nullopt, "s", "k", "v", "[s]\r\nk=v\r\n"},
        WriteCase{"fillsEmptyFile", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
        WriteCase{"utf16StaysUtf16", utf16File(u"[s]\r\nk=v\r\n"), "s", "k", "new", utf16File(u"[s]\r\nk=new\r\n")},
        WriteCase{"addsSectionToUtf16", utf16File(u"[s]\r\nk=v\r\n"), "t", "k", "new",
                  utf16File(u"[s]\r\nk=v\r\n[t]\r\nk=new\r\n")},
        WriteCase{"keepsUtf8Mark", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "new", "\xEF\xBB\xBF[s]\r\nk=new\r\n"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

// Files in any other form: the system rewrites them in its own, this
// build's writer keeps their bytes; both must give the new value and leave
// every other value as it was.
struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

struct KeepCase {
    const char* name;
    std::string before;
    Entry written;
    std::vector<Entry> others;
};

class WriteProfileKeeps : public testing::TestWithParam<KeepCase> {};

TEST_P(WriteProfileKeeps, EveryOtherValue)
{
    const KeepCase& c = GetParam();
    TempFolder folder;
    std::string path = folder.writeFile("case.ini", c.before);
    for (const Entry& other : c.others) {
        ASSERT_EQ(profileValue(path, other.section, other.key), other.value) << "before: " << other.key;
    }
    ASSERT_TRUE(platform::writeProfileString(path, c.written.section, c.written.key, c.written.value));
    EXPECT_EQ(profileValue(path, c.written.section, c.written.key), c.written.value);
    for (const Entry& other : c.others) {
        EXPECT_EQ(profileValue(path, other.section, other.key), other.value) << "after: " << other.key;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteProfileKeeps,
    testing::Values(
        KeepCase{"blanksAndBlankLines",
                 "; settings\r\n\r\n  [ s ]  \r\n  k  =  old  \r\nj = 'w'\r\n\r\n[t]\r\nk = x\r\n",
                 {"s", "k", "new"},
                 {{"s", "j", "w"}, {"t", "k", "x"}}},
        KeepCase{"keyAddedBeforeBlankLine", "[s]\r\nk=v\r\n\r\n[t]\r\nk=x\r\n", {"s", "j", "new"},
                 {{"s", "k", "v"}, {"t", "k", "x"}, {"t", "j", kNoValue}}},
        KeepCase{"lineFeeds", "[s]\nk=v\n\n[t]\nx=y\n", {"s", "j", "new"}, {{"s", "k", "v"}, {"t", "x", "y"}}},
        KeepCase{"loneCarriageReturns", "[s]\rk=v\r[t]\rx=y\r", {"t", "z", "new"},
                 {{"s", "k", "v"}, {"t", "x", "y"}}},
        KeepCase{"sectionAddedToLineFeedFileWithoutFinalLineEnd", "[s]\nk=v", {"t", "j", "new"},
                 {{"s", "k", "v"}, {"s", "j", kNoValue}}},
        KeepCase{"utf16WithLineFeeds", utf16File(u"[s]\n  k = caf\u00E9 \n[t]\nx=\"y\"\n"), {"t", "x", "new"},
                 {{"s", "k", ansi(u"caf\u00E9")}}},
        KeepCase{"laterDuplicatesStayHidden", "[s]\r\nk=1\r\n[s]\r\nk=2\r\nj=3\r\n", {"s", "j", "new"},
                 {{"s", "k", "1"}}}),
    [](const testing::TestParamInfo<KeepCase>& info) { return std::string(info.param.name); });

TEST(WriteProfileFailure, InAMissingFolderCreatesNothing)
{
    TempFolder folder;
    std::string path = folder.file("missing") + platform::pathSeparator() + "new.ini";
    EXPECT_FALSE(platform::writeProfileString(path, "s", "k", "v"));
    EXPECT_EQ(profileValue(path, "s", "k"), kNoValue);
}

TEST(WriteProfileFailure, OverAFolderLeavesIt)
{
    TempFolder folder;
    EXPECT_FALSE(platform::writeProfileString(folder.path(), "s", "k", "v"));
    EXPECT_EQ(profileValue(folder.path(), "s", "k"), kNoValue);
}

}  // namespace
