#include "launch/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "launch/launcher_context.h"
#include "platform/text_conversion.h"

namespace {

struct SplitCase {
    const char* name;
    std::string text;
    StringList expected;
};

class SplitArguments : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitArguments, SplitsByTheLaunchersOwnRule)
{
    StringList list;
    splitArguments(GetParam().text, list);
    EXPECT_EQ(list, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitArguments,
    testing::Values(
        SplitCase{"empty", "", {}},
        SplitCase{"one", "abc", {"abc"}},
        SplitCase{"blanksBetweenGiveNoEmptyArgument", "a   b", {"a", "b"}},
        SplitCase{"trailingBlanksGiveNoEmptyArgument", "a b   ", {"a", "b"}},
        SplitCase{"quotedWithBlank", "\"b c\" d", {"b c", "d"}},
        SplitCase{"closingQuoteEndsArgument", "\"x\"y z", {"x", "y", "z"}},
        SplitCase{"quoteInsideUnquotedIsOrdinary", "a\"b c\"", {"a\"b", "c\""}},
        SplitCase{"emptyQuotesGiveEmptyArgument", "\"\" x", {"", "x"}},
        SplitCase{"unterminatedQuoteTakesTheRest", "\"unterminated arg", {"unterminated arg"}},
        SplitCase{"noEscapes", "\"a\\\" b\"", {"a\\", "b\""}},
        SplitCase{"doubledQuoteIsNoEscape", "\"a\"\"b\"", {"a", "b"}},
        SplitCase{"tabsDoNotSeparate", "a\tb\tc", {"a\tb\tc"}},
        SplitCase{"optionsArePassedOn", "-nosplash /nosplash", {"-nosplash", "/nosplash"}},
        SplitCase{"quoteAtEnd", "a \"", {"a", ""}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(SplitArgumentsList, AppendsWithoutClearing)
{
    StringList list{"first"};
    splitArguments("second third", list);
    EXPECT_EQ(list, (StringList{"first", "second", "third"}));
}

struct CommandLineCase {
    const char* name;
    std::string line;
    StringList expected;
};

class ParseCommandLineText : public testing::TestWithParam<CommandLineCase> {};

TEST_P(ParseCommandLineText, GivesTheArgumentsAfterTheProgram)
{
    StringList list;
    parseCommandLineText(GetParam().line, list);
    EXPECT_EQ(list, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseCommandLineText,
    testing::Values(
        CommandLineCase{"quotedProgramPath", "\"C:\\Program Files\\App\\app.exe\" a \"b c\" d", {"a", "b c", "d"}},
        CommandLineCase{"unquotedProgramPathWithBlanks", "C:\\Program Files\\App\\app.exe a",
                        {"Files\\App\\app.exe", "a"}},
        CommandLineCase{"tabsOnlyLeaveJustTheProgram", "app.exe\ta\tb", {}},
        CommandLineCase{"whiteSpaceAroundTrimmed", " \t\r\n app.exe a \v\f\r\n", {"a"}},
        CommandLineCase{"programOnly", "app.exe", {}},
        CommandLineCase{"empty", "", {}},
        CommandLineCase{"onlyWhiteSpace", " \t ", {}},
        CommandLineCase{"emptyArgumentKept", "app.exe \"\" x", {"", "x"}}),
    [](const testing::TestParamInfo<CommandLineCase>& info) { return std::string(info.param.name); });

// Run by the process_arguments test with the extra arguments --tarn-marker,
// an empty one, "a b" and c; skipped when the suite runs without them.
TEST(ProcessArguments, ReachTheListUnchangedAndInOrder)
{
    LauncherContext context;
    parseCommandLine(context);
    auto marker = std::find(context.arguments.begin(), context.arguments.end(), "--tarn-marker");
    if (marker == context.arguments.end()) {
        GTEST_SKIP() << "run without the marker arguments";
    }
    ASSERT_FALSE(context.arguments.empty());
    EXPECT_EQ(context.arguments.front().rfind("--gtest_filter=", 0), 0u) << "the program name is removed";
    EXPECT_EQ(StringList(marker + 1, context.arguments.end()), (StringList{"", "a b", "c"}));
}

}  // namespace

// Under a double-byte ANSI code page (run by the double_byte_arguments test
// with a Japanese locale) a trail byte is never a blank or a quote, even
// where it has the same value.
class DoubleByteSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(DoubleByteSplit, StepsOverTrailBytes)
{
    if (!platform::isLeadByte(0x81)) {
        GTEST_SKIP() << "the ANSI code page has no double-byte characters";
    }
    StringList list;
    splitArguments(GetParam().text, list);
    EXPECT_EQ(list, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DoubleByteSplit,
    testing::Values(SplitCase{"trailBlankIsNoSeparator", "a\x81 b c", {"a\x81 b", "c"}},
                    SplitCase{"trailQuoteClosesNothing", "\"\x81\"x\" y", {"\x81\"x", "y"}},
                    SplitCase{"ideographicSpaceIsNoSeparator", "a\x81\x40" "b c", {"a\x81\x40" "b", "c"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(DoubleByteCommandLine, TrailingTrailByteIsNotTrimmed)
{
    if (!platform::isLeadByte(0x81)) {
        GTEST_SKIP() << "the ANSI code page has no double-byte characters";
    }
    StringList list;
    parseCommandLineText("app.exe a\x81 ", list);
    EXPECT_EQ(list, StringList{"a\x81 "});
}
