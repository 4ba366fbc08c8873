#include "tools/launcher_file.h"

#include <algorithm>

#include "platform/portable/resource_payload.h"
#include "tools/pe_resources.h"

namespace packer {

namespace {

using platform::portable::PayloadEntry;

const char kUnknownKind[] = "not a launcher: neither a Windows (PE) nor a Linux (ELF) executable";

bool isNeutralRawData(const Resource& resource)
{
    return resource.type == ResourceKey::number(kRawDataType) && !resource.name.named &&
           resource.language == ResourceKey::number(0);
}

// Without a valid payload the whole file is the executable: a damaged or
// foreign trailer stays where it is, and a new payload goes after it.
std::vector<PayloadEntry> payloadOf(const Bytes& file, std::size_t& bodySize)
{
    std::vector<PayloadEntry> entries;
    bodySize = file.size();
    platform::portable::splitPayload(file, bodySize, entries);
    return entries;
}

}  // namespace

LauncherKind launcherKindOf(const Bytes& file)
{
    if (file.size() >= 2 && file[0] == 'M' && file[1] == 'Z') {
        return LauncherKind::pe;
    }
    if (file.size() >= 4 && file[0] == 0x7F && file[1] == 'E' && file[2] == 'L' && file[3] == 'F') {
        return LauncherKind::elf;
    }
    return LauncherKind::unknown;
}

bool readRawResources(const Bytes& file, std::vector<RawResource>& resources, std::string& error)
{
    std::vector<RawResource> found;
    switch (launcherKindOf(file)) {
    case LauncherKind::pe: {
        std::vector<Resource> all;
        if (!readPeResources(file, all, error)) {
            return false;
        }
        for (Resource& resource : all) {
            if (isNeutralRawData(resource)) {
                found.push_back(RawResource{resource.name.id, std::move(resource.data)});
            }
        }
        break;
    }
    case LauncherKind::elf: {
        std::size_t bodySize = 0;
        for (PayloadEntry& entry : payloadOf(file, bodySize)) {
            found.push_back(RawResource{entry.id, std::move(entry.bytes)});
        }
        break;
    }
    case LauncherKind::unknown:
        error = kUnknownKind;
        return false;
    }
    resources = std::move(found);
    return true;
}

bool writeRawResources(const Bytes& file, const std::vector<RawResource>& resources, Bytes& output, std::string& error)
{
    switch (launcherKindOf(file)) {
    case LauncherKind::pe: {
        std::vector<Resource> additions;
        for (const RawResource& raw : resources) {
            additions.push_back(Resource{ResourceKey::number(kRawDataType), ResourceKey::number(raw.id),
                                         ResourceKey::number(0), 0, raw.bytes});
        }
        return writePeResources(file, additions, output, error);
    }
    case LauncherKind::elf: {
        std::size_t bodySize = 0;
        std::vector<PayloadEntry> entries = payloadOf(file, bodySize);
        for (const RawResource& raw : resources) {
            auto same = std::find_if(entries.begin(), entries.end(),
                                     [&raw](const PayloadEntry& entry) { return entry.id == raw.id; });
            if (same != entries.end()) {
                same->bytes = raw.bytes;
            } else {
                entries.push_back(PayloadEntry{raw.id, raw.bytes});
            }
        }
        Bytes packed(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(bodySize));
        Bytes payload = platform::portable::serializePayload(entries);
        packed.insert(packed.end(), payload.begin(), payload.end());
        output = std::move(packed);
        return true;
    }
    case LauncherKind::unknown:
        break;
    }
    error = kUnknownKind;
    return false;
}

}  // namespace packer
