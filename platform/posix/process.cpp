#include "platform/process.h"

#include <cerrno>
#include <climits>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace platform {

std::string processCommandLine()
{
    return std::string();
}

bool systemArgumentVector(std::vector<std::string>& arguments)
{
    // The kernel keeps the vector as it was passed to exec: each argument
    // ends with a NUL, so empty arguments survive as empty strings.
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    if (!file) {
        return false;
    }
    std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> result;
    std::string::size_type start = 0;
    while (start < raw.size()) {
        std::string::size_type end = raw.find('\0', start);
        if (end == std::string::npos) {
            end = raw.size();
        }
        result.emplace_back(raw, start, end - start);
        start = end + 1;
    }
    arguments = std::move(result);
    return true;
}

bool executablePath(std::string& path)
{
    std::string buffer(PATH_MAX, '\0');
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0) {
        return false;
    }
    if (static_cast<std::size_t>(length) >= buffer.size()) {
        errno = ENAMETOOLONG;
        return false;
    }
    buffer.resize(static_cast<std::size_t>(length));
    path = std::move(buffer);
    return true;
}

}  // namespace platform
