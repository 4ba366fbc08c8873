#include "discovery/version_number.h"

#include <cstddef>

#include "launch/launcher_context.h"
#include "launch/messages.h"

namespace {

constexpr std::int32_t kStoredGroups = 4;
// A group past the fourth is only noted, never stored.
constexpr std::int32_t kMoreGroups = 5;
constexpr std::int64_t kLargestGroup = 2147483647;

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

std::size_t findDigit(const std::string& text, std::size_t from)
{
    while (from < text.size() && !isDigit(text[from])) {
        ++from;
    }
    return from;
}

bool allPartsAre(const VersionNumber& version, std::int32_t value)
{
    for (std::int32_t part : version.parts) {
        if (part != value) {
            return false;
        }
    }
    return true;
}

bool isDroppedPart(std::int32_t part)
{
    return part == kVersionFillLower || part == kVersionFillUpper;
}

}  // namespace

VersionNumber parseVersion(const std::string& text, std::int32_t fill)
{
    std::size_t position = findDigit(text, 0);
    if (position == text.size()) {
        return VersionNumber();
    }
    VersionNumber version;
    std::int32_t groups = 0;
    while (position < text.size()) {
        if (groups == kStoredGroups) {
            groups = kMoreGroups;
            break;
        }
        // Wide enough that one more digit past the largest group cannot overflow.
        std::int64_t value = 0;
        for (; position < text.size() && isDigit(text[position]); ++position) {
            value = value * 10 + (text[position] - '0');
            if (value > kLargestGroup) {
                return VersionNumber();
            }
        }
        version.parts[groups++] = static_cast<std::int32_t>(value);
        position = findDigit(text, position);
    }
    version.count = groups;
    for (std::int32_t index = groups; index < kStoredGroups; ++index) {
        version.parts[index] = fill;
    }
    return version;
}

VersionNumber versionLimit(const std::string& text, bool upper)
{
    std::int32_t fill = upper ? kVersionFillUpper : kVersionFillLower;
    if (text == "any") {
        VersionNumber open;
        for (std::int32_t& part : open.parts) {
            part = fill;
        }
        open.count = kStoredGroups;
        return open;
    }
    return parseVersion(text, fill);
}

int compareVersions(const VersionNumber& a, const VersionNumber& b)
{
    for (std::int32_t index = 0; index < kStoredGroups; ++index) {
        if (a.parts[index] < b.parts[index]) {
            return -1;
        }
        if (a.parts[index] > b.parts[index]) {
            return 1;
        }
    }
    return 0;
}

bool sameVersion(const VersionNumber& a, const VersionNumber& b)
{
    return compareVersions(a, b) == 0;
}

bool matchesPreferred(const VersionNumber& candidate, const VersionNumber& preference)
{
    if (sameVersion(candidate, preference)) {
        return true;
    }
    if (preference.count == 0 || preference.count > candidate.count) {
        return false;
    }
    std::int32_t compared = preference.count == kMoreGroups ? kStoredGroups : preference.count;
    for (std::int32_t index = 0; index < compared; ++index) {
        if (candidate.parts[index] != preference.parts[index]) {
            return false;
        }
    }
    return true;
}

bool isOpenLimit(const VersionNumber& version)
{
    return allPartsAre(version, kVersionFillLower) || allPartsAre(version, kVersionFillUpper);
}

std::string versionText(const VersionNumber& version)
{
    std::int32_t shown = kStoredGroups;
    while (shown > 0 && isDroppedPart(version.parts[shown - 1])) {
        --shown;
    }
    if (shown == 0) {
        return "0.0.0.0";
    }
    if (shown == 1) {
        shown = 2;
    }
    std::string text = std::to_string(version.parts[0]);
    for (std::int32_t index = 1; index < shown; ++index) {
        text += '.';
        text += std::to_string(version.parts[index]);
    }
    return text;
}

std::string requirementText(const LauncherContext& context)
{
    bool openMinimum = isOpenLimit(context.minVersion);
    bool openMaximum = isOpenLimit(context.maxVersion);
    if (openMinimum && openMaximum) {
        return loadMessage(msgLatestVersion);
    }
    if (openMinimum) {
        return formatMessage(msgMaximumVersion, versionText(context.maxVersion));
    }
    if (openMaximum) {
        return formatMessage(msgMinimumVersion, versionText(context.minVersion));
    }
    if (sameVersion(context.minVersion, context.maxVersion)) {
        return formatMessage(msgVersionRequired, versionText(context.minVersion));
    }
    return formatMessage(msgVersionBetween, versionText(context.minVersion), versionText(context.maxVersion));
}
