#include "tools/file_io.h"

#include <cstdio>

#include "platform/file_replacement.h"
#include "platform/scoped_handle.h"

namespace packer {

namespace {

struct StdioFileTraits {
    using Handle = std::FILE*;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { std::fclose(handle); }
};

using StdioFile = platform::ScopedHandle<StdioFileTraits>;

bool writeAll(const std::string& path, const Bytes& bytes)
{
    StdioFile file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        return false;
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        return false;
    }
    // Closing flushes; a full disk shows only there.
    return std::fclose(file.release()) == 0;
}

}  // namespace

bool readWholeFile(const std::string& path, Bytes& bytes)
{
    StdioFile file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    Bytes content;
    std::uint8_t buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        content.insert(content.end(), buffer, buffer + got);
    }
    if (std::ferror(file.get())) {
        return false;
    }
    bytes = std::move(content);
    return true;
}

bool writeFileInPlace(const std::string& path, const Bytes& bytes, const std::string& permissionsModel)
{
    std::string temporary = path + ".tarn-pack-tmp";
    if (writeAll(temporary, bytes) && platform::copyFilePermissions(permissionsModel, temporary) &&
        platform::replaceFile(temporary, path)) {
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}

}  // namespace packer
