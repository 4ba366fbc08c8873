// The resource tree of a Windows executable: type, then name, then
// language, each level a directory of entries that are either numbers or
// names, the leaves pointing at the resources' data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/little_endian.h"
#include "tools/pe_image.h"

namespace packer {

// One level's key: a 16-bit number, or a name.
struct ResourceKey {
    bool named = false;
    std::uint16_t id = 0;
    std::u16string name;

    static ResourceKey number(std::uint16_t id);
    static ResourceKey text(std::u16string name);
};

bool operator==(const ResourceKey& left, const ResourceKey& right);

// The order in which the system searches a directory: names first,
// ascending without regard to letter case, then numbers ascending.
bool canonicallyBefore(const ResourceKey& left, const ResourceKey& right);

struct Resource {
    ResourceKey type;
    ResourceKey name;
    ResourceKey language;
    std::uint32_t codePage = 0;
    Bytes data;
};

constexpr std::uint16_t kRawDataType = 10;

// Adds `resource`, or replaces the one of the same type, name and language.
void putResource(std::vector<Resource>& resources, Resource resource);

// Reads the tree whose root directory lies at `rootRva`, in the order the
// tree holds it, each resource's data copied out of the file. False, with
// the reason in `error`, when the tree does not hold together;
// `resources` is then untouched.
bool readResourceTree(const Bytes& file, const PeImage& image, std::uint32_t rootRva, std::vector<Resource>& resources,
                      std::string& error);

// Lays out a tree holding `resources` (distinct by type, name and
// language; in any order) with its data after it, for a section at
// `sectionRva`: directories in canonical order, then the data entries, the
// names, and the data itself.
Bytes buildResourceTree(std::vector<Resource> resources, std::uint32_t sectionRva);

}  // namespace packer
