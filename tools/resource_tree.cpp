#include "tools/resource_tree.h"

#include <algorithm>

namespace packer {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kDirectoryEntrySize = 8;
constexpr std::size_t kDataEntrySize = 16;
// A tree may point many entries at one directory; a bound on what it may
// expand to keeps a hostile file from exhausting memory. It lies far above
// what any launcher holds, and low enough that no directory written anew
// can have more entries than its 16-bit counts hold.
constexpr std::size_t kMostResources = 50000;

char16_t foldCase(char16_t unit)
{
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
}

bool nameBefore(const std::u16string& left, const std::u16string& right)
{
    auto folded = [](char16_t a, char16_t b) { return foldCase(a) < foldCase(b); };
    if (std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(), folded)) {
        return true;
    }
    if (std::lexicographical_compare(right.begin(), right.end(), left.begin(), left.end(), folded)) {
        return false;
    }
    return left < right;
}

bool resourceBefore(const Resource& left, const Resource& right)
{
    if (!(left.type == right.type)) {
        return canonicallyBefore(left.type, right.type);
    }
    if (!(left.name == right.name)) {
        return canonicallyBefore(left.name, right.name);
    }
    return canonicallyBefore(left.language, right.language);
}

std::size_t alignTo(std::size_t value, std::size_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

std::size_t directorySize(std::size_t entries)
{
    return kDirectoryHeaderSize + kDirectoryEntrySize * entries;
}

// Reading: the tree's bytes are those of its section from the root on.
struct TreeReader {
    const Bytes& file;
    const PeImage& image;
    std::size_t base;
    std::size_t size;
    std::vector<Resource> found;
    std::string error;

    bool fail(const std::string& reason)
    {
        error = reason;
        return false;
    }

    bool readKey(std::uint32_t field, ResourceKey& key)
    {
        if ((field & kHighBit) == 0) {
            if (field > 0xFFFF) {
                return fail("an entry of its resource tree has a number out of range");
            }
            key = ResourceKey::number(static_cast<std::uint16_t>(field));
            return true;
        }
        std::uint32_t offset = field & ~kHighBit;
        if (!fitsIn(size, offset, 2) || !fitsIn(size, offset + 2, 2 * std::uint64_t{read16(file, base + offset)})) {
            return fail("a name in its resource tree lies outside the section");
        }
        std::u16string name;
        std::uint16_t length = read16(file, base + offset);
        for (std::uint16_t n = 0; n < length; ++n) {
            name += static_cast<char16_t>(read16(file, base + offset + 2 + 2 * n));
        }
        key = ResourceKey::text(std::move(name));
        return true;
    }

    bool readLeaf(std::uint32_t offset, Resource& resource)
    {
        if (!fitsIn(size, offset, kDataEntrySize)) {
            return fail("a data entry of its resource tree lies outside the section");
        }
        std::uint32_t rva = read32(file, base + offset);
        std::uint32_t length = read32(file, base + offset + 4);
        std::size_t dataOffset = 0;
        if (length != 0 && !fileOffsetOfRva(image, rva, length, dataOffset)) {
            return fail("a resource's data lies outside the file");
        }
        resource.codePage = read32(file, base + offset + 8);
        resource.data.assign(file.begin() + static_cast<std::ptrdiff_t>(dataOffset),
                             file.begin() + static_cast<std::ptrdiff_t>(dataOffset + length));
        return true;
    }

    // Level 0 is the types, 1 the names, 2 the languages, whose entries are
    // the leaves. A fixed depth also means that no loop in the offsets can
    // make the walk endless.
    bool readDirectory(std::uint32_t offset, int level, Resource& path)
    {
        if (!fitsIn(size, offset, kDirectoryHeaderSize)) {
            return fail("a directory of its resource tree lies outside the section");
        }
        std::size_t count = std::size_t{read16(file, base + offset + 12)} + read16(file, base + offset + 14);
        if (!fitsIn(size, offset + kDirectoryHeaderSize, kDirectoryEntrySize * count)) {
            return fail("a directory of its resource tree runs past the section");
        }
        for (std::size_t n = 0; n < count; ++n) {
            std::size_t entry = base + offset + kDirectoryHeaderSize + kDirectoryEntrySize * n;
            ResourceKey& key = level == 0 ? path.type : level == 1 ? path.name : path.language;
            if (!readKey(read32(file, entry), key)) {
                return false;
            }
            std::uint32_t target = read32(file, entry + 4);
            bool isDirectory = (target & kHighBit) != 0;
            if (isDirectory != (level < 2)) {
                return fail("its resource tree is not three levels deep");
            }
            if (isDirectory) {
                if (!readDirectory(target & ~kHighBit, level + 1, path)) {
                    return false;
                }
                continue;
            }
            if (found.size() == kMostResources) {
                return fail("its resource tree holds too many resources");
            }
            Resource resource = path;
            if (!readLeaf(target, resource)) {
                return false;
            }
            found.push_back(std::move(resource));
        }
        return true;
    }
};

// Writing: appends directories, data entries, names and data to one buffer
// whose layout was computed before.
void putDirectoryHeader(Bytes& tree, std::size_t offset, std::size_t named, std::size_t numbered)
{
    write16(tree, offset + 12, static_cast<std::uint16_t>(named));
    write16(tree, offset + 14, static_cast<std::uint16_t>(numbered));
}

std::size_t nameSize(const ResourceKey& key)
{
    return key.named ? 2 + 2 * key.name.size() : 0;
}

}  // namespace

ResourceKey ResourceKey::number(std::uint16_t id)
{
    ResourceKey key;
    key.id = id;
    return key;
}

ResourceKey ResourceKey::text(std::u16string name)
{
    ResourceKey key;
    key.named = true;
    key.name = std::move(name);
    return key;
}

bool operator==(const ResourceKey& left, const ResourceKey& right)
{
    return left.named == right.named && (left.named ? left.name == right.name : left.id == right.id);
}

bool canonicallyBefore(const ResourceKey& left, const ResourceKey& right)
{
    if (left.named != right.named) {
        return left.named;
    }
    return left.named ? nameBefore(left.name, right.name) : left.id < right.id;
}

void putResource(std::vector<Resource>& resources, Resource resource)
{
    auto same = std::find_if(resources.begin(), resources.end(), [&resource](const Resource& existing) {
        return existing.type == resource.type && existing.name == resource.name &&
               existing.language == resource.language;
    });
    if (same != resources.end()) {
        *same = std::move(resource);
    } else {
        resources.push_back(std::move(resource));
    }
}

bool readResourceTree(const Bytes& file, const PeImage& image, std::uint32_t rootRva, std::vector<Resource>& resources,
                      std::string& error)
{
    std::size_t base = 0;
    if (!fileOffsetOfRva(image, rootRva, kDirectoryHeaderSize, base)) {
        error = "its resource directory lies outside the file";
        return false;
    }
    // The end of the section's file data bounds every offset in the tree.
    std::size_t end = base;
    for (const PeSection& section : image.sections) {
        if (section.rawSize != 0 && base >= section.rawPointer && base - section.rawPointer < section.rawSize) {
            end = std::size_t{section.rawPointer} + section.rawSize;
        }
    }
    TreeReader reader{file, image, base, end - base, {}, {}};
    Resource path;
    if (!reader.readDirectory(0, 0, path)) {
        error = reader.error;
        return false;
    }
    resources = std::move(reader.found);
    return true;
}

Bytes buildResourceTree(std::vector<Resource> resources, std::uint32_t sectionRva)
{
    std::stable_sort(resources.begin(), resources.end(), resourceBefore);

    // Runs of equal type and, within them, of equal name.
    struct Group {
        std::size_t first;
        std::size_t count;
    };
    std::vector<Group> types;  // runs of `names`
    std::vector<Group> names;  // runs of `resources`
    for (std::size_t n = 0; n < resources.size(); ++n) {
        bool newType = n == 0 || !(resources[n].type == resources[n - 1].type);
        if (newType) {
            types.push_back(Group{names.size(), 0});
        }
        if (newType || !(resources[n].name == resources[n - 1].name)) {
            names.push_back(Group{n, 0});
            ++types.back().count;
        }
        ++names.back().count;
    }

    // Layout: root, type directories, name directories, data entries, names, data.
    std::size_t offset = directorySize(types.size());
    std::vector<std::size_t> typeDirectory;
    for (const Group& type : types) {
        typeDirectory.push_back(offset);
        offset += directorySize(type.count);
    }
    std::vector<std::size_t> nameDirectory;
    for (const Group& name : names) {
        nameDirectory.push_back(offset);
        offset += directorySize(name.count);
    }
    std::size_t dataEntries = offset;
    offset += kDataEntrySize * resources.size();
    std::size_t namesStart = offset;
    for (const Group& type : types) {
        offset += nameSize(resources[names[type.first].first].type);
    }
    for (const Group& name : names) {
        offset += nameSize(resources[name.first].name);
    }
    for (const Resource& resource : resources) {
        offset += nameSize(resource.language);
    }
    std::vector<std::size_t> dataOffsets;
    for (const Resource& resource : resources) {
        offset = alignTo(offset, 8);
        dataOffsets.push_back(offset);
        offset += resource.data.size();
    }
    Bytes tree(alignTo(offset, 8), 0);

    std::size_t nextName = namesStart;
    auto putEntry = [&tree, &nextName](std::size_t at, const ResourceKey& key, std::uint32_t target) {
        if (key.named) {
            write32(tree, at, kHighBit | static_cast<std::uint32_t>(nextName));
            write16(tree, nextName, static_cast<std::uint16_t>(key.name.size()));
            for (std::size_t n = 0; n < key.name.size(); ++n) {
                write16(tree, nextName + 2 + 2 * n, key.name[n]);
            }
            nextName += nameSize(key);
        } else {
            write32(tree, at, key.id);
        }
        write32(tree, at + 4, target);
    };
    auto typeKey = [&](std::size_t t) -> const ResourceKey& { return resources[names[types[t].first].first].type; };

    // Sorting put the named entries of every directory before the numbered.
    std::size_t namedTypes = 0;
    for (std::size_t t = 0; t < types.size(); ++t) {
        namedTypes += typeKey(t).named ? 1 : 0;
    }
    putDirectoryHeader(tree, 0, namedTypes, types.size() - namedTypes);
    for (std::size_t t = 0; t < types.size(); ++t) {
        putEntry(directorySize(t), typeKey(t), kHighBit | static_cast<std::uint32_t>(typeDirectory[t]));
    }
    for (std::size_t t = 0; t < types.size(); ++t) {
        std::size_t named = 0;
        for (std::size_t k = 0; k < types[t].count; ++k) {
            named += resources[names[types[t].first + k].first].name.named ? 1 : 0;
        }
        putDirectoryHeader(tree, typeDirectory[t], named, types[t].count - named);
        for (std::size_t k = 0; k < types[t].count; ++k) {
            std::size_t n = types[t].first + k;
            putEntry(typeDirectory[t] + directorySize(k), resources[names[n].first].name,
                     kHighBit | static_cast<std::uint32_t>(nameDirectory[n]));
        }
    }
    for (std::size_t n = 0; n < names.size(); ++n) {
        std::size_t named = 0;
        for (std::size_t k = 0; k < names[n].count; ++k) {
            named += resources[names[n].first + k].language.named ? 1 : 0;
        }
        putDirectoryHeader(tree, nameDirectory[n], named, names[n].count - named);
        for (std::size_t k = 0; k < names[n].count; ++k) {
            std::size_t r = names[n].first + k;
            putEntry(nameDirectory[n] + directorySize(k), resources[r].language,
                     static_cast<std::uint32_t>(dataEntries + kDataEntrySize * r));
        }
    }
    for (std::size_t r = 0; r < resources.size(); ++r) {
        std::size_t entry = dataEntries + kDataEntrySize * r;
        write32(tree, entry, sectionRva + static_cast<std::uint32_t>(dataOffsets[r]));
        write32(tree, entry + 4, static_cast<std::uint32_t>(resources[r].data.size()));
        write32(tree, entry + 8, resources[r].codePage);
        std::copy(resources[r].data.begin(), resources[r].data.end(),
                  tree.begin() + static_cast<std::ptrdiff_t>(dataOffsets[r]));
    }
    return tree;
}

}  // namespace packer
