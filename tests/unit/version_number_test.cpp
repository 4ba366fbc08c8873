#include "discovery/version_number.h"

#include <gtest/gtest.h>

#include "launch/launcher_context.h"

namespace {

// Parts and count in one line, so that a failure shows the whole value.
std::string describe(const VersionNumber& version)
{
    std::string text;
    for (std::int32_t part : version.parts) {
        text += std::to_string(part) + ' ';
    }
    return text + "count " + std::to_string(version.count);
}

constexpr std::int32_t kUp = kVersionFillUpper;

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

struct ParseCase {
    const char* name;
    std::string text;
    std::int32_t fill;
    VersionNumber expected;
};

class ParseVersion : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseVersion, ReadsTheFirstFourDigitGroups)
{
    EXPECT_EQ(describe(parseVersion(GetParam().text, GetParam().fill)), describe(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, ParseVersion,
    testing::Values(
        ParseCase{"updateAfterUnderscore", "1.6.0_10", 0, {{1, 6, 0, 10}, 4}},
        ParseCase{"twoGroupsFilledLow", "1.5", 0, {{1, 5, 0, 0}, 2}},
        ParseCase{"twoGroupsFilledHigh", "1.5", kUp, {{1, 5, kUp, kUp}, 2}},
        ParseCase{"plusIsOnlyASeparator", "1.6+", kUp, {{1, 6, kUp, kUp}, 2}},
        ParseCase{"lettersBlanksAndHyphens", "jre 1.4.2-b03", 0, {{1, 4, 2, 3}, 4}},
        ParseCase{"runsOfSeparators", "1.._ 6", 0, {{1, 6, 0, 0}, 2}},
        ParseCase{"trailingSeparator", "1.6.", kUp, {{1, 6, kUp, kUp}, 2}},
        ParseCase{"oneGroup", "version 10", kUp, {{10, kUp, kUp, kUp}, 1}},
        ParseCase{"leadingZeros", "01.0000000000000000006", 0, {{1, 6, 0, 0}, 2}},
        // Bytes above 127 (here the code page's superscript two) are no digits.
        ParseCase{"highBytesSeparate", "1\xB2" "5", 0, {{1, 5, 0, 0}, 2}},
        ParseCase{"moreThanFourGroups", "1.2.3.4.5", 0, {{1, 2, 3, 4}, 5}},
        ParseCase{"fifthGroupIsNeverRead", "1.2.3.4.99999999999", 0, {{1, 2, 3, 4}, 5}},
        ParseCase{"empty", "", kUp, {{0, 0, 0, 0}, 0}},
        ParseCase{"noDigits", "none", kUp, {{0, 0, 0, 0}, 0}},
        ParseCase{"capitalAnyIsText", "Any", kUp, {{0, 0, 0, 0}, 0}},
        ParseCase{"largestGroup", "2147483647", 0, {{2147483647, 0, 0, 0}, 1}},
        ParseCase{"largestGroupLast", "1.2.3.2147483647", 0, {{1, 2, 3, 2147483647}, 4}},
        ParseCase{"groupPastLargestFails", "2147483648", kUp, {{0, 0, 0, 0}, 0}},
        ParseCase{"elevenNinesFail", "99999999999", 0, {{0, 0, 0, 0}, 0}},
        // 2^32 + 1: a reader that wraps at 32 bits would see 1.
        ParseCase{"groupPast32BitsFails", "4294967297", 0, {{0, 0, 0, 0}, 0}},
        ParseCase{"laterGroupFailsTheWhole", "1.6.2147483648", kUp, {{0, 0, 0, 0}, 0}}),
    caseName<ParseCase>);

struct LimitCase {
    const char* name;
    std::string text;
    bool upper;
    VersionNumber expected;
};

class VersionLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(VersionLimit, ReadsTheConfiguredLimit)
{
    EXPECT_EQ(describe(versionLimit(GetParam().text, GetParam().upper)), describe(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, VersionLimit,
    testing::Values(
        LimitCase{"anyLower", "any", false, {{0, 0, 0, 0}, 4}},
        LimitCase{"anyUpper", "any", true, {{kUp, kUp, kUp, kUp}, 4}},
        LimitCase{"capitalAnyUpper", "Any", true, {{0, 0, 0, 0}, 0}},
        LimitCase{"anyWithBlankUpper", "any ", true, {{0, 0, 0, 0}, 0}},
        LimitCase{"emptyLower", "", false, {{0, 0, 0, 0}, 0}},
        LimitCase{"emptyUpper", "", true, {{0, 0, 0, 0}, 0}},
        LimitCase{"versionLower", "1.5", false, {{1, 5, 0, 0}, 2}},
        LimitCase{"versionUpper", "1.5", true, {{1, 5, kUp, kUp}, 2}}),
    caseName<LimitCase>);

struct CompareCase {
    const char* name;
    VersionNumber a;
    VersionNumber b;
    int expected;
};

class CompareVersions : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareVersions, OrdersByTheFourParts)
{
    const CompareCase& tested = GetParam();
    EXPECT_EQ(compareVersions(tested.a, tested.b), tested.expected);
    EXPECT_EQ(compareVersions(tested.b, tested.a), -tested.expected);
    EXPECT_EQ(sameVersion(tested.a, tested.b), tested.expected == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, CompareVersions,
    testing::Values(
        CompareCase{"countPlaysNoPart", {{1, 6, 0, 0}, 2}, {{1, 6, 0, 0}, 4}, 0},
        CompareCase{"allFourEqual", {{1, 6, 0, 10}, 4}, {{1, 6, 0, 10}, 4}, 0},
        CompareCase{"numericNotTextual", {{1, 10, 0, 0}, 2}, {{1, 9, 0, 0}, 2}, 1},
        CompareCase{"firstPartDecides", {{2, 0, 0, 0}, 1}, {{1, 9, 9, 9}, 4}, 1},
        CompareCase{"lastPartDecides", {{1, 6, 0, 9}, 4}, {{1, 6, 0, 10}, 4}, -1},
        CompareCase{"upperFillIsHigh", {{1, 6, kUp, kUp}, 2}, {{1, 6, 0, 10}, 4}, 1},
        CompareCase{"largestGroup", {{2147483647, 0, 0, 0}, 1}, {{kUp, 0, 0, 0}, 1}, 1},
        CompareCase{"comparedAsSigned", {{-1, 0, 0, 0}, 0}, {{0, 0, 0, 0}, 0}, -1}),
    caseName<CompareCase>);

struct PreferredCase {
    const char* name;
    std::string candidate;
    std::string preference;
    bool expected;
};

class MatchesPreferred : public testing::TestWithParam<PreferredCase> {};

TEST_P(MatchesPreferred, ComparesAsManyPartsAsThePreferenceGives)
{
    // Installed runtimes and preferred entries are both read with the low fill.
    VersionNumber candidate = parseVersion(GetParam().candidate, kVersionFillLower);
    VersionNumber preference = parseVersion(GetParam().preference, kVersionFillLower);
    EXPECT_EQ(matchesPreferred(candidate, preference), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, MatchesPreferred,
    testing::Values(
        PreferredCase{"twoPartsMatchAnyUpdate", "1.6.0_10", "1.6", true},
        PreferredCase{"twoPartsOtherMinor", "1.7.0", "1.6", false},
        PreferredCase{"onePartMatchesTheFamily", "1.8.0_20", "1", true},
        PreferredCase{"onePartIsNumeric", "1.0", "10", false},
        PreferredCase{"fourPartsExact", "1.6.0_10", "1.6.0_10", true},
        PreferredCase{"fourPartsOtherUpdate", "1.6.0_11", "1.6.0_10", false},
        PreferredCase{"threePartsMatchShorterCandidate", "1.6", "1.6.0", true},
        // Only the first three parts are compared, so the update does not matter.
        PreferredCase{"threePartsMatchAnyUpdate", "1.6.0_10", "1.6.0", true},
        PreferredCase{"threePartsOtherMicro", "1.6.1_10", "1.6.0", false},
        PreferredCase{"longerPreferenceSameValue", "1.6", "1.6.0.0", true},
        PreferredCase{"longerPreferenceOtherValue", "1.6", "1.6.0_10", false},
        PreferredCase{"moreThanFourGroupsSameParts", "1.6.0.10", "1.6.0.10.2", true},
        PreferredCase{"moreThanFourGroupsOtherParts", "1.6.0.11.2", "1.6.0.10.2", false},
        PreferredCase{"emptyPreferenceAgainstRuntime", "1.6", "", false},
        PreferredCase{"emptyPreferenceAgainstZero", "0.0", "", true},
        PreferredCase{"unreadableCandidate", "", "1", false}),
    caseName<PreferredCase>);

struct OpenCase {
    const char* name;
    VersionNumber version;
    bool expected;
};

class IsOpenLimit : public testing::TestWithParam<OpenCase> {};

TEST_P(IsOpenLimit, KnowsTheTwoOpenValues)
{
    EXPECT_EQ(isOpenLimit(GetParam().version), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, IsOpenLimit,
    testing::Values(
        OpenCase{"anyLower", versionLimit("any", false), true},
        OpenCase{"anyUpper", versionLimit("any", true), true},
        OpenCase{"missingUpper", versionLimit("", true), true},
        OpenCase{"upperFillWithoutCount", {{kUp, kUp, kUp, kUp}, 0}, true},
        OpenCase{"version", versionLimit("1.6", true), false},
        OpenCase{"lastPartSet", {{0, 0, 0, 1}, 4}, false},
        OpenCase{"firstPartSet", {{1, 0, 0, 0}, 4}, false},
        OpenCase{"fillsMixed", {{0, 0, 0, kUp}, 4}, false},
        OpenCase{"upperFillsButLast", {{kUp, kUp, kUp, 0}, 4}, false}),
    caseName<OpenCase>);

struct TextCase {
    const char* name;
    VersionNumber version;
    std::string text;
};

class VersionText : public testing::TestWithParam<TextCase> {};

TEST_P(VersionText, ShowsThePartsThatMatter)
{
    EXPECT_EQ(versionText(GetParam().version), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, VersionText,
    testing::Values(
        TextCase{"trailingZerosDropped", {{1, 6, 0, 0}, 2}, "1.6"},
        TextCase{"allFour", {{1, 6, 0, 10}, 4}, "1.6.0.10"},
        TextCase{"atLeastTwoParts", {{1, 0, 0, 0}, 1}, "1.0"},
        TextCase{"innerZerosKept", {{1, 0, 0, 5}, 4}, "1.0.0.5"},
        TextCase{"innerZeroBeforeKeptPart", {{1, 0, 5, 0}, 3}, "1.0.5"},
        TextCase{"upperFillDropped", {{1, 6, kUp, kUp}, 2}, "1.6"},
        TextCase{"secondPartShownEvenAsFill", {{2, kUp, kUp, kUp}, 1}, "2.65535"},
        TextCase{"fillsMixedDropped", {{1, 7, 0, kUp}, 2}, "1.7"},
        TextCase{"zeroFirstPart", {{0, 5, 0, 0}, 2}, "0.5"},
        TextCase{"onlyLastPart", {{0, 0, 0, 7}, 4}, "0.0.0.7"},
        TextCase{"allZero", {{0, 0, 0, 0}, 0}, "0.0.0.0"},
        TextCase{"allUpperFill", {{kUp, kUp, kUp, kUp}, 4}, "0.0.0.0"},
        TextCase{"firstPartFillAlsoDropped", {{kUp, 0, 0, 0}, 1}, "0.0.0.0"},
        TextCase{"largestGroup", {{2147483647, 1, 0, 0}, 2}, "2147483647.1"},
        TextCase{"signedDecimal", {{-1, 2, 0, 0}, 2}, "-1.2"}),
    caseName<TextCase>);

struct RequirementCase {
    const char* name;
    std::string minimum;
    std::string maximum;
    std::string phrase;
};

class RequirementText : public testing::TestWithParam<RequirementCase> {};

TEST_P(RequirementText, NamesTheConfiguredLimits)
{
    LauncherContext context;
    context.minVersion = versionLimit(GetParam().minimum, false);
    context.maxVersion = versionLimit(GetParam().maximum, true);
    EXPECT_EQ(requirementText(context), GetParam().phrase);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, RequirementText,
    testing::Values(
        RequirementCase{"bothAny", "any", "any", "latest version"},
        RequirementCase{"anyAndMissing", "any", "", "latest version"},
        RequirementCase{"bothMissing", "", "", "latest version"},
        RequirementCase{"onlyMaximum", "any", "1.6", "maximum version 1.6"},
        RequirementCase{"zeroMinimumIsOpen", "0.0", "1.6.0_10", "maximum version 1.6.0.10"},
        RequirementCase{"onlyMinimum", "1.5", "any", "minimum version 1.5"},
        RequirementCase{"minimumAndMissingMaximum", "1.5", "", "minimum version 1.5"},
        RequirementCase{"maximumOfUpperFills", "1.5", "65535", "minimum version 1.5"},
        RequirementCase{"sameFullVersion", "1.6.0_10", "1.6.0_10", "version 1.6.0.10 is required"},
        // 1.6 as a minimum is 1.6.0.0 and as a maximum 1.6.65535.65535.
        RequirementCase{"sameShortVersionIsARange", "1.6", "1.6", "version between 1.6 and 1.6"},
        RequirementCase{"between", "1.5", "1.7", "version between 1.5 and 1.7"},
        RequirementCase{"betweenUpdates", "1.6.0_10", "1.6.0_20", "version between 1.6.0.10 and 1.6.0.20"}),
    caseName<RequirementCase>);

}  // namespace
