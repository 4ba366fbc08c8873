// A Java version as its first four digit groups, and the operations that
// read, order, match and describe versions.
#pragma once

#include <cstdint>
#include <string>

struct LauncherContext;

struct VersionNumber {
    // Groups from index `count` on hold the fill value chosen by the parser.
    std::int32_t parts[4] = {0, 0, 0, 0};
    // Digit groups in the text: 0 to 4, or 5 when it held more than four.
    std::int32_t count = 0;
};

constexpr std::int32_t kVersionFillLower = 0;
constexpr std::int32_t kVersionFillUpper = 65535;

// The digit groups of free text; anything but ASCII digits separates groups.
VersionNumber parseVersion(const std::string& text, std::int32_t fill);

// A configured limit: "any" is open, anything else is parsed with the fill
// of its side.
VersionNumber versionLimit(const std::string& text, bool upper);

// -1, 0 or 1 by the four parts; `count` plays no part.
int compareVersions(const VersionNumber& a, const VersionNumber& b);

bool sameVersion(const VersionNumber& a, const VersionNumber& b);

// Whether an installed runtime's version satisfies one preferred entry.
bool matchesPreferred(const VersionNumber& candidate, const VersionNumber& preference);

// All parts 0 (no lower limit) or all parts 65535 (no upper limit).
bool isOpenLimit(const VersionNumber& version);

// The version for people: trailing 0 and 65535 parts dropped, at least two shown.
std::string versionText(const VersionNumber& version);

// The phrase that names the required version, from the context's limits.
std::string requirementText(const LauncherContext& context);
