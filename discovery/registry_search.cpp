#include "discovery/registry_search.h"

#include <algorithm>
#include <cstdint>

#include "discovery/java_home.h"
#include "launch/launcher_context.h"
#include "platform/file_names.h"
#include "platform/registry.h"

namespace {

constexpr char kJavaHomeValue[] = "JavaHome";
constexpr char kSunJreKey[] = "Software\\JavaSoft\\Java Runtime Environment\\";

}  // namespace

const std::vector<RuntimeKey>& runtimeKeys()
{
    static const std::vector<RuntimeKey> keys = {
        {"Software\\JavaSoft\\Java Development Kit\\", true, true},
        {kSunJreKey, false, true},
        {"Software\\JRockit\\Java Runtime Environment\\", false, false},
        {"Software\\JRockit\\Java Development Kit\\", true, false},
    };
    return keys;
}

bool keyIsSearched(const LauncherContext& context, const RuntimeKey& key)
{
    bool kind = context.favorSource || (key.isJdk ? context.allowJdk : context.allowJre);
    bool vendor = key.isSun ? (context.allowSun || context.favorSun) : (context.allowJRockit || context.favorJRockit);
    return kind && vendor;
}

bool searchRegistry(const LauncherContext& context, std::string& javaHome)
{
    CandidateList candidates;
    for (const RuntimeKey& key : runtimeKeys()) {
        if (keyIsSearched(context, key)) {
            collectFromKey(context, key, candidates);
        }
    }
    return selectCandidate(context, std::move(candidates), javaHome);
}

void collectFromKey(const LauncherContext& context, const RuntimeKey& key, CandidateList& candidates)
{
    platform::RegistryKey opened = platform::openLocalMachineKey(key.path);
    if (!opened) {
        return;
    }
    std::string name;
    for (std::uint32_t index = 0; platform::subkeyName(opened, index, name); ++index) {
        VersionNumber version = parseVersion(name, kVersionFillLower);
        if (compareVersions(version, context.maxVersion) > 0 || compareVersions(version, context.minVersion) < 0) {
            continue;
        }
        RuntimeCandidate candidate;
        if (!acceptRegistryEntry(context, key, name, candidate.javaHome, candidate.isServerVm)) {
            continue;
        }
        candidate.version = version;
        candidate.favored = (key.isJdk ? context.allowJdk : context.allowJre) &&
                            (key.isSun ? context.favorSun : context.favorJRockit);
        candidates.push_back(std::move(candidate));
    }
}

bool acceptRegistryEntry(const LauncherContext& context, const RuntimeKey& key, const std::string& subkey,
                         std::string& javaHome, bool& isServerVm)
{
    platform::RegistryKey entry = platform::openLocalMachineKey(std::string(key.path) + subkey);
    if (!entry) {
        return false;
    }
    std::vector<std::uint8_t> data;
    if (!platform::readValueData(entry, kJavaHomeValue, data)) {
        return false;
    }
    // Text up to the first NUL, never beyond the data; the type is not checked.
    std::string text(data.begin(), std::find(data.begin(), data.end(), std::uint8_t{0}));
    if (text.empty()) {
        // An empty home would probe the current directory; such an entry names no runtime.
        return false;
    }
    std::string home = asJavaHome(text);
    if (key.isJdk) {
        home += "jre";
        home += platform::pathSeparator();
    }
    // A Sun JRE under "favor_server" is ranked by its default-order VM.
    int probeType = context.jvmType;
    if (key.path == std::string(kSunJreKey) && probeType == kVmTypeServerPreferred) {
        probeType = kVmTypeDefault;
    }
    bool server = false;
    if (probeJavaHome(home, probeType, server).empty()) {
        return false;
    }
    javaHome = home;
    isServerVm = server;
    return true;
}

void rankCandidates(CandidateList& candidates, const LauncherContext& context)
{
    std::stable_sort(candidates.begin(), candidates.end(), [&](const RuntimeCandidate& a, const RuntimeCandidate& b) {
        if (context.favorSource && a.favored != b.favored) {
            return a.favored;
        }
        if (context.jvmType == kVmTypeServerPreferred && a.isServerVm != b.isServerVm) {
            return a.isServerVm;
        }
        return compareVersions(a.version, b.version) > 0;
    });
}

bool selectCandidate(const LauncherContext& context, CandidateList candidates, std::string& javaHome)
{
    if (candidates.empty()) {
        return false;
    }
    rankCandidates(candidates, context);
    for (const std::string& entry : context.preferredVersions) {
        VersionNumber preference = parseVersion(entry, kVersionFillLower);
        for (const RuntimeCandidate& candidate : candidates) {
            if (matchesPreferred(candidate.version, preference)) {
                javaHome = candidate.javaHome;
                return true;
            }
        }
    }
    javaHome = candidates.front().javaHome;
    return true;
}
