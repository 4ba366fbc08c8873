#include "platform/raw_resource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/portable/resource_payload.h"
#include "platform/posix/file_descriptor.h"

// This build's executables carry their raw-data resources as a payload at
// the end of the file (see resource_payload.h). The launcher asks at every
// start, so an executable without one costs a single read of its last bytes.

namespace platform {

namespace {

bool readAt(int file, std::uint8_t* buffer, std::size_t size, off_t offset)
{
    while (size > 0) {
        ssize_t got = pread(file, buffer, size, offset);
        if (got <= 0) {
            return false;
        }
        buffer += got;
        size -= static_cast<std::size_t>(got);
        offset += got;
    }
    return true;
}

}  // namespace

bool loadRawResource(std::uint16_t id, std::vector<std::uint8_t>& bytes)
{
    posix::FileDescriptor file(open("/proc/self/exe", O_RDONLY | O_CLOEXEC));
    struct stat status;
    if (!file || fstat(file.get(), &status) != 0 || status.st_size < 0) {
        return false;
    }
    auto fileSize = static_cast<std::uint64_t>(status.st_size);
    std::uint8_t tail[portable::kPayloadTrailerSize];
    portable::PayloadTrailer trailer;
    if (fileSize < sizeof tail || !readAt(file.get(), tail, sizeof tail, status.st_size - sizeof tail) ||
        !portable::parsePayloadTrailer(tail, fileSize, trailer)) {
        return false;
    }
    std::vector<std::uint8_t> raw(trailer.entriesSize);
    off_t start = status.st_size - static_cast<off_t>(sizeof tail) - static_cast<off_t>(raw.size());
    std::vector<portable::PayloadEntry> entries;
    if (!readAt(file.get(), raw.data(), raw.size(), start) ||
        !portable::parsePayloadEntries(raw.data(), trailer, entries)) {
        return false;
    }
    auto found = std::find_if(entries.begin(), entries.end(),
                              [id](const portable::PayloadEntry& entry) { return entry.id == id; });
    if (found == entries.end()) {
        return false;
    }
    bytes = std::move(found->bytes);
    return true;
}

}  // namespace platform
