// The Java runtimes registered in the machine's registry: collected from the
// vendors' keys, filtered by version, kind and vendor, ranked and selected.
#pragma once

#include <string>
#include <vector>

#include "discovery/version_number.h"

struct LauncherContext;

struct RuntimeCandidate {
    VersionNumber version;
    std::string javaHome;  // as probed, with a final separator
    bool isServerVm = false;
    bool favored = false;  // of a wanted kind and a favoured vendor
};

using CandidateList = std::vector<RuntimeCandidate>;

// One vendor's key of registered runtimes, and whom it serves.
struct RuntimeKey {
    const char* path;  // with its final backslash
    bool isJdk;
    bool isSun;
};

// The four keys, in the order in which they are searched.
const std::vector<RuntimeKey>& runtimeKeys();

// Whether the context's flags let `key` be searched.
bool keyIsSearched(const LauncherContext& context, const RuntimeKey& key);

// The selected runtime's Java home, or false when no candidate survives.
bool searchRegistry(const LauncherContext& context, std::string& javaHome);

// Appends the runtimes of `key` that pass the version limits and hold a VM library.
void collectFromKey(const LauncherContext& context, const RuntimeKey& key, CandidateList& candidates);

// Reads and probes one registered runtime: true with its Java home and
// whether the library found is a server VM.
bool acceptRegistryEntry(const LauncherContext& context, const RuntimeKey& key, const std::string& subkey,
                         std::string& javaHome, bool& isServerVm);

// Orders the list, stably: favoured first (when sources are favoured),
// server VMs first (under "favor_server"), then the higher version first.
void rankCandidates(CandidateList& candidates, const LauncherContext& context);

// The first ranked candidate that matches a preferred version, in the
// order of the preferences, or else the first ranked one.
bool selectCandidate(const LauncherContext& context, CandidateList candidates, std::string& javaHome);
