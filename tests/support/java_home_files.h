// Java homes faked as folders that hold the files the search looks for.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/java_home_layout.h"

// Makes the empty file `relative`, with its folders, inside `home`.
inline void makeFileIn(const std::string& home, const std::string& relative)
{
    std::filesystem::path path = std::filesystem::path(home) / relative;
    std::filesystem::create_directories(path.parent_path());
    FILE* file = std::fopen(path.string().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
}

// A Java home in `home` (ending with a separator) with the marker and the
// VM libraries of `kinds`.
inline void makeJavaHome(const std::string& home, const std::vector<platform::VmKind>& kinds, bool marker = true)
{
    if (marker) {
        makeFileIn(home, platform::javaHomeMarker());
    }
    for (platform::VmKind kind : kinds) {
        makeFileIn(home, platform::vmLibraryPath(kind));
    }
}
