// The configuration file beside the running test program, written for one
// test and removed afterwards, so that the launcher's own code finds it
// where it looks.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "config/config_file_location.h"
#include "launch/launcher_context.h"

// Writes `text` to `path` as bytes; false when the file cannot be written.
inline bool writeTextFile(const std::string& path, const std::string& text)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

class ConfigFileBesideProgram : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(getConfigFilePath(LauncherContext(), path_)); }
    void TearDown() override { std::remove(path_.c_str()); }

    void write(const std::string& text) { ASSERT_TRUE(writeTextFile(path_, text)); }

    std::string path_;
};
