#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/file_names.h"

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path folder = fs::temp_directory_path() /
                      ("tarn-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(folder);
    path_ = folder.string();
    while (!path_.empty() && (path_.back() == '/' || path_.back() == '\\')) {
        path_.pop_back();
    }
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempFolder::file(const std::string& name) const
{
    return path_ + platform::pathSeparator() + name;
}

std::string TempFolder::writeFile(const std::string& name, const std::string& content) const
{
    std::string path = file(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}
