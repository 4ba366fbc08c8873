#include "tools/pe_resources.h"

namespace packer {

namespace {

constexpr char kDamaged[] = "damaged Windows executable: ";
constexpr char kNoRoom[] = "cannot add a section to this Windows executable: ";

bool parseImageOrSayDamaged(const Bytes& file, PeImage& image, std::string& error)
{
    std::string reason;
    if (!parsePeImage(file, image, reason)) {
        error = kDamaged + reason;
        return false;
    }
    return true;
}

bool readResourcesOf(const Bytes& file, const PeImage& image, std::vector<Resource>& resources, std::string& error)
{
    DataDirectory directory = dataDirectory(file, image, kResourceDirectory);
    if (directory.address == 0 && directory.size == 0) {
        resources.clear();
        return true;
    }
    std::string reason;
    if (!readResourceTree(file, image, directory.address, resources, reason)) {
        error = kDamaged + reason;
        return false;
    }
    return true;
}

// True when the last section is a resource section that can go: the tree
// starts it (so it is no merged section holding other data too) and its
// data ends the file, so that nothing after it would have to move.
bool endsWithResourceSection(const Bytes& file, const PeImage& image)
{
    if (image.sections.empty()) {
        return false;
    }
    const PeSection& last = image.sections.back();
    return last.name == kResourceSection &&
           dataDirectory(file, image, kResourceDirectory).address == last.virtualAddress &&
           std::size_t{last.rawPointer} + last.rawSize == file.size();
}

}  // namespace

bool readPeResources(const Bytes& file, std::vector<Resource>& resources, std::string& error)
{
    PeImage image;
    if (!parseImageOrSayDamaged(file, image, error)) {
        return false;
    }
    return readResourcesOf(file, image, resources, error);
}

bool writePeResources(const Bytes& file, const std::vector<Resource>& additions, Bytes& output, std::string& error)
{
    PeImage image;
    std::vector<Resource> resources;
    if (!parseImageOrSayDamaged(file, image, error) || !readResourcesOf(file, image, resources, error)) {
        return false;
    }
    if (image.dataDirectoryCount <= kResourceDirectory) {
        error = std::string(kNoRoom) + "its headers have no entry for a resource directory";
        return false;
    }
    for (const Resource& addition : additions) {
        putResource(resources, addition);
    }

    Bytes packed = file;
    // A signature lies at the end of the file, outside every section; it
    // would no longer match, and a new section must not follow it.
    DataDirectory certificate = dataDirectory(packed, image, kCertificateDirectory);
    if (certificate.size != 0) {
        if (std::uint64_t{certificate.address} + certificate.size == packed.size()) {
            packed.resize(certificate.address);
        }
        setDataDirectory(packed, image, kCertificateDirectory, DataDirectory{});
    }
    if (endsWithResourceSection(packed, image)) {
        removeLastSection(packed, image);
    }
    for (std::size_t n = 0; n < image.sections.size(); ++n) {
        if (image.sections[n].name == kResourceSection) {
            renameSection(packed, image, n, kSupersededResourceSection);
        }
    }
    std::uint32_t address = nextSectionAddress(image);
    Bytes tree = buildResourceTree(std::move(resources), address);
    std::string reason;
    if (!appendSection(packed, image, kResourceSection, tree, reason)) {
        error = kNoRoom + reason;
        return false;
    }
    setDataDirectory(packed, image, kResourceDirectory,
                     DataDirectory{address, static_cast<std::uint32_t>(tree.size())});
    updateChecksum(packed, image);
    output = std::move(packed);
    return true;
}

}  // namespace packer
