#include "discovery/registry_search.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/configuration_keys.h"
#include "launch/launcher_context.h"

namespace {

RuntimeCandidate candidate(const char* version, const char* home, bool favored = false, bool server = false)
{
    RuntimeCandidate result;
    result.version = parseVersion(version, kVersionFillLower);
    result.javaHome = home;
    result.favored = favored;
    result.isServerVm = server;
    return result;
}

struct SelectCase {
    const char* name;
    std::function<void(LauncherContext&)> configure;
    CandidateList candidates;  // in collection order
    std::string selected;
};

class SelectCandidate : public testing::TestWithParam<SelectCase> {};

TEST_P(SelectCandidate, RanksAndHonoursPreferences)
{
    LauncherContext context;
    GetParam().configure(context);
    std::string home;
    ASSERT_TRUE(selectCandidate(context, GetParam().candidates, home));
    EXPECT_EQ(home, GetParam().selected);
}

const CandidateList kTwoSunJres = {candidate("1.5.0_12", "jre5"), candidate("1.6.0_07", "jre6")};

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectCandidate,
    testing::Values(
        SelectCase{"newestFirst", [](LauncherContext&) {}, kTwoSunJres, "jre6"},
        SelectCase{"preferredOverridesRank", [](LauncherContext& c) { c.preferredVersions = {"1.5"}; }, kTwoSunJres,
                   "jre5"},
        SelectCase{"laterPreferenceWhenEarlierMatchesNothing",
                   [](LauncherContext& c) { c.preferredVersions = {"1.4", "1.6"}; }, kTwoSunJres, "jre6"},
        SelectCase{"earlierPreferenceBeatsLater", [](LauncherContext& c) { c.preferredVersions = {"1.5", "1.6"}; },
                   kTwoSunJres, "jre5"},
        SelectCase{"rankDecidesAmongMatches", [](LauncherContext& c) { c.preferredVersions = {"1.6"}; },
                   {candidate("1.6.0_03", "a"), candidate("1.5", "b"), candidate("1.6.0_10", "c")}, "c"},
        SelectCase{"emptyPreferenceMatchesOnlyZero", [](LauncherContext& c) { c.preferredVersions = {""}; },
                   kTwoSunJres, "jre6"},
        SelectCase{"updateRanksBeforeTheBareVersion", [](LauncherContext&) {},
                   {candidate("1.6", "same"), candidate("1.6.0_10", "same10")}, "same10"},
        SelectCase{"favouredKindFirstThoughOlder",
                   [](LauncherContext& c) { applyJvmSource(c, "favor_JDK"); },
                   {candidate("1.5.0_12", "jdk5/jre", true), candidate("1.6.0_07", "jre6", false)}, "jdk5/jre"},
        SelectCase{"favouringOffWithOnlySources",
                   [](LauncherContext& c) { applyJvmSource(c, "only_JDK"); },
                   {candidate("1.5.0_12", "jdk5/jre", true), candidate("1.6.0_07", "jdk6/jre", false)}, "jdk6/jre"},
        SelectCase{"serverFirstUnderFavorServer",
                   [](LauncherContext& c) { c.jvmType = 2; },
                   {candidate("1.6", "sun", false, false), candidate("1.5", "jrockit", false, true)}, "jrockit"},
        SelectCase{"serverPlaysNoPartOtherwise", [](LauncherContext&) {},
                   {candidate("1.6", "sun", false, false), candidate("1.5", "jrockit", false, true)}, "sun"},
        SelectCase{"tiesKeepCollectionOrder", [](LauncherContext&) {},
                   {candidate("1.6", "first"), candidate("1.6.0", "second")}, "first"}),
    [](const testing::TestParamInfo<SelectCase>& info) { return std::string(info.param.name); });

TEST(SelectCandidateList, EmptySelectsNothing)
{
    LauncherContext context;
    std::string home = "untouched";
    EXPECT_FALSE(selectCandidate(context, {}, home));
    EXPECT_EQ(home, "untouched");
}

TEST(RankCandidates, IsStableAcrossEveryRule)
{
    LauncherContext context;
    context.jvmType = 2;
    CandidateList list = {candidate("1.5", "a", false, false), candidate("1.6", "b", true, false),
                          candidate("1.5", "c", false, true),  candidate("1.6", "d", true, false),
                          candidate("1.5", "e", false, false)};
    rankCandidates(list, context);
    std::vector<std::string> order;
    for (const RuntimeCandidate& c : list) {
        order.push_back(c.javaHome);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"b", "d", "c", "a", "e"}));
}

struct KeyCase {
    const char* name;
    const char* jvmSource;
    const char* vmProvider;
    std::vector<bool> searched;  // the four keys in their order
};

class KeyIsSearched : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyIsSearched, FollowsTheSourceAndProviderFlags)
{
    LauncherContext context;
    applyJvmSource(context, GetParam().jvmSource);
    applyVmProvider(context, GetParam().vmProvider);
    std::vector<bool> searched;
    for (const RuntimeKey& key : runtimeKeys()) {
        searched.push_back(keyIsSearched(context, key));
    }
    EXPECT_EQ(searched, GetParam().searched);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyIsSearched,
    testing::Values(KeyCase{"defaultsSunOnly", "", "", {true, true, false, false}},
                    KeyCase{"onlyJdk", "only_JDK", "", {true, false, false, false}},
                    KeyCase{"onlyJre", "only_JRE", "", {false, true, false, false}},
                    KeyCase{"favorJdkSearchesBoth", "favor_JDK", "", {true, true, false, false}},
                    KeyCase{"misspeltSourceSearchesNothing", "Favor_JRE", "", {false, false, false, false}},
                    KeyCase{"jrockitOnly", "", "JRockit", {false, false, true, true}},
                    KeyCase{"anyVendor", "", "any", {true, true, true, true}},
                    KeyCase{"favorSunSearchesBoth", "", "favor_sun", {true, true, true, true}}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

}  // namespace
