// A folder of the test's own under the system's temporary folder, removed
// with everything in it when the test ends.
#pragma once

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a final separator.
    const std::string& path() const { return path_; }

    // `name` inside the folder.
    std::string file(const std::string& name) const;

    // Creates `name` inside the folder with `content`.
    std::string writeFile(const std::string& name, const std::string& content) const;

private:
    std::string path_;
};
