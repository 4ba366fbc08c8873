#include "tools/pe_image.h"

#include <algorithm>

namespace packer {

namespace {

constexpr std::size_t kDosHeaderSize = 64;
constexpr std::size_t kPeOffsetField = 0x3C;
constexpr std::size_t kFileHeaderSize = 20;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kInitializedData = 0x00000040;
constexpr std::uint32_t kReadable = 0x40000000;

// Fields of the file header and the optional header, from their start.
constexpr std::size_t kNumberOfSections = 2;
constexpr std::size_t kSizeOfOptionalHeader = 16;
constexpr std::size_t kSizeOfInitializedData = 8;
constexpr std::size_t kSectionAlignment = 32;
constexpr std::size_t kFileAlignment = 36;
constexpr std::size_t kSizeOfImage = 56;
constexpr std::size_t kSizeOfHeaders = 60;
constexpr std::size_t kCheckSum = 64;

bool isPowerOfTwo(std::uint32_t value)
{
    return value != 0 && (value & (value - 1)) == 0;
}

std::uint64_t alignUp(std::uint64_t value, std::uint32_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

std::uint32_t extentOf(const PeSection& section)
{
    return std::max(section.virtualSize, section.rawSize);
}

std::size_t sectionHeaderOffset(const PeImage& image, std::size_t index)
{
    return image.sectionTableOffset + kSectionHeaderSize * index;
}

void writeName(Bytes& file, std::size_t header, const std::string& name)
{
    for (std::size_t n = 0; n < 8; ++n) {
        file[header + n] = n < name.size() ? static_cast<std::uint8_t>(name[n]) : 0;
    }
}

void writeCounts(Bytes& file, const PeImage& image, std::uint32_t sizeOfImage, std::int64_t initializedDataChange)
{
    write16(file, image.fileHeaderOffset + kNumberOfSections, static_cast<std::uint16_t>(image.sections.size()));
    write32(file, image.optionalHeaderOffset + kSizeOfImage, sizeOfImage);
    std::size_t field = image.optionalHeaderOffset + kSizeOfInitializedData;
    write32(file, field, static_cast<std::uint32_t>(read32(file, field) + initializedDataChange));
}

}  // namespace

bool parsePeImage(const Bytes& file, PeImage& image, std::string& error)
{
    if (file.size() < kDosHeaderSize || file[0] != 'M' || file[1] != 'Z') {
        error = "it has no DOS header";
        return false;
    }
    std::uint32_t peOffset = read32(file, kPeOffsetField);
    if (!fitsIn(file.size(), peOffset, 4 + kFileHeaderSize)) {
        error = "its PE header lies outside the file";
        return false;
    }
    if (file[peOffset] != 'P' || file[peOffset + 1] != 'E' || file[peOffset + 2] != 0 || file[peOffset + 3] != 0) {
        error = "it has no PE signature";
        return false;
    }
    PeImage parsed;
    parsed.fileHeaderOffset = peOffset + 4;
    parsed.optionalHeaderOffset = parsed.fileHeaderOffset + kFileHeaderSize;
    std::uint16_t optionalSize = read16(file, parsed.fileHeaderOffset + kSizeOfOptionalHeader);
    std::uint16_t sectionCount = read16(file, parsed.fileHeaderOffset + kNumberOfSections);
    if (optionalSize < 2 || !fitsIn(file.size(), parsed.optionalHeaderOffset, optionalSize)) {
        error = "its optional header lies outside the file";
        return false;
    }
    std::uint16_t magic = read16(file, parsed.optionalHeaderOffset);
    if (magic != kPe32Magic && magic != kPe32PlusMagic) {
        error = "its optional header is neither PE32 nor PE32+";
        return false;
    }
    parsed.pe32Plus = magic == kPe32PlusMagic;
    std::size_t countField = parsed.pe32Plus ? 108 : 92;
    if (optionalSize < countField + 4) {
        error = "its optional header is too short";
        return false;
    }
    parsed.dataDirectoryOffset = parsed.optionalHeaderOffset + countField + 4;
    parsed.dataDirectoryCount = read32(file, parsed.optionalHeaderOffset + countField);
    if (parsed.dataDirectoryCount > (optionalSize - countField - 4) / 8) {
        error = "its data directory does not fit in the optional header";
        return false;
    }
    parsed.sectionAlignment = read32(file, parsed.optionalHeaderOffset + kSectionAlignment);
    parsed.fileAlignment = read32(file, parsed.optionalHeaderOffset + kFileAlignment);
    parsed.sizeOfHeaders = read32(file, parsed.optionalHeaderOffset + kSizeOfHeaders);
    if (!isPowerOfTwo(parsed.sectionAlignment) || !isPowerOfTwo(parsed.fileAlignment)) {
        error = "its alignments are not powers of two";
        return false;
    }
    parsed.sectionTableOffset = parsed.optionalHeaderOffset + optionalSize;
    if (!fitsIn(file.size(), parsed.sectionTableOffset, std::uint64_t{kSectionHeaderSize} * sectionCount)) {
        error = "its section table lies outside the file";
        return false;
    }
    for (std::uint16_t n = 0; n < sectionCount; ++n) {
        std::size_t header = sectionHeaderOffset(parsed, n);
        PeSection section;
        auto nameStart = file.begin() + static_cast<std::ptrdiff_t>(header);
        section.name.assign(nameStart, std::find(nameStart, nameStart + 8, 0));
        section.virtualSize = read32(file, header + 8);
        section.virtualAddress = read32(file, header + 12);
        section.rawSize = read32(file, header + 16);
        section.rawPointer = read32(file, header + 20);
        section.characteristics = read32(file, header + 36);
        if (section.rawSize != 0 && !fitsIn(file.size(), section.rawPointer, section.rawSize)) {
            error = "the data of its section " + std::to_string(n + 1) + " lies outside the file";
            return false;
        }
        parsed.sections.push_back(section);
    }
    image = std::move(parsed);
    return true;
}

DataDirectory dataDirectory(const Bytes& file, const PeImage& image, std::size_t index)
{
    if (index >= image.dataDirectoryCount) {
        return DataDirectory{};
    }
    std::size_t entry = image.dataDirectoryOffset + 8 * index;
    return DataDirectory{read32(file, entry), read32(file, entry + 4)};
}

void setDataDirectory(Bytes& file, const PeImage& image, std::size_t index, DataDirectory entry)
{
    std::size_t offset = image.dataDirectoryOffset + 8 * index;
    write32(file, offset, entry.address);
    write32(file, offset + 4, entry.size);
}

bool fileOffsetOfRva(const PeImage& image, std::uint32_t rva, std::uint32_t size, std::size_t& offset)
{
    for (const PeSection& section : image.sections) {
        // Only the part of a section that the file holds: the rest is zero
        // filled in memory and has no bytes to read.
        std::uint32_t held =
            std::min(section.rawSize, section.virtualSize == 0 ? section.rawSize : section.virtualSize);
        if (rva >= section.virtualAddress && rva - section.virtualAddress < held) {
            std::uint32_t within = rva - section.virtualAddress;
            if (!fitsIn(held, within, size)) {
                return false;
            }
            offset = section.rawPointer + within;
            return true;
        }
    }
    return false;
}

std::uint32_t nextSectionAddress(const PeImage& image)
{
    std::uint64_t end = image.sizeOfHeaders;
    for (const PeSection& section : image.sections) {
        end = std::max<std::uint64_t>(end, std::uint64_t{section.virtualAddress} + extentOf(section));
    }
    return static_cast<std::uint32_t>(alignUp(end, image.sectionAlignment));
}

void removeLastSection(Bytes& file, PeImage& image)
{
    PeSection last = image.sections.back();
    image.sections.pop_back();
    std::size_t header = sectionHeaderOffset(image, image.sections.size());
    std::fill(file.begin() + static_cast<std::ptrdiff_t>(header),
              file.begin() + static_cast<std::ptrdiff_t>(header + kSectionHeaderSize), 0);
    if (last.rawSize != 0) {
        file.resize(last.rawPointer);
    }
    std::int64_t initialized = (last.characteristics & kInitializedData) ? -std::int64_t{last.rawSize} : 0;
    writeCounts(file, image, nextSectionAddress(image), initialized);
}

bool appendSection(Bytes& file, PeImage& image, const std::string& name, const Bytes& content, std::string& error)
{
    // The new header goes right after the last one, inside the headers that
    // are already there: it must not run into the first section's data, and
    // the bytes it takes must be unused.
    std::size_t header = sectionHeaderOffset(image, image.sections.size());
    std::uint64_t headersEnd = std::min<std::uint64_t>(image.sizeOfHeaders, file.size());
    for (const PeSection& section : image.sections) {
        if (section.rawSize != 0) {
            headersEnd = std::min<std::uint64_t>(headersEnd, section.rawPointer);
        }
    }
    bool unused = header + kSectionHeaderSize <= headersEnd &&
                  std::all_of(file.begin() + static_cast<std::ptrdiff_t>(header),
                              file.begin() + static_cast<std::ptrdiff_t>(header + kSectionHeaderSize),
                              [](std::uint8_t byte) { return byte == 0; });
    if (!unused || image.sections.size() >= 0xFFFF) {
        error = "its headers have no room for another section header";
        return false;
    }
    std::uint32_t address = nextSectionAddress(image);
    std::uint64_t rawPointer = alignUp(file.size(), image.fileAlignment);
    std::uint64_t rawSize = alignUp(content.size(), image.fileAlignment);
    std::uint64_t imageEnd = alignUp(std::uint64_t{address} + content.size(), image.sectionAlignment);
    if (rawPointer + rawSize > 0xFFFFFFFFu || imageEnd > 0xFFFFFFFFu) {
        error = "the new section would not fit in a 32-bit image";
        return false;
    }

    PeSection section;
    section.name = name.substr(0, 8);
    section.virtualSize = static_cast<std::uint32_t>(content.size());
    section.virtualAddress = address;
    section.rawSize = static_cast<std::uint32_t>(rawSize);
    section.rawPointer = static_cast<std::uint32_t>(rawPointer);
    section.characteristics = kInitializedData | kReadable;

    writeName(file, header, section.name);
    write32(file, header + 8, section.virtualSize);
    write32(file, header + 12, section.virtualAddress);
    write32(file, header + 16, section.rawSize);
    write32(file, header + 20, section.rawPointer);
    write32(file, header + 36, section.characteristics);
    file.resize(section.rawPointer, 0);
    file.insert(file.end(), content.begin(), content.end());
    file.resize(section.rawPointer + section.rawSize, 0);

    image.sections.push_back(section);
    writeCounts(file, image, static_cast<std::uint32_t>(imageEnd), section.rawSize);
    return true;
}

void renameSection(Bytes& file, PeImage& image, std::size_t index, const std::string& name)
{
    image.sections[index].name = name.substr(0, 8);
    writeName(file, sectionHeaderOffset(image, index), image.sections[index].name);
}

std::uint32_t computeChecksum(const Bytes& file, const PeImage& image)
{
    // Sum of the file's 16-bit words with the carries folded back in, the
    // checksum field itself left out, plus the file's length.
    std::size_t skip = image.optionalHeaderOffset + kCheckSum;
    std::uint64_t sum = 0;
    for (std::size_t n = 0; n < file.size(); n += 2) {
        if (n == skip || n == skip + 2) {
            continue;
        }
        std::uint32_t word = file[n] | (n + 1 < file.size() ? file[n + 1] << 8 : 0);
        sum += word;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint32_t>(sum + file.size());
}

void updateChecksum(Bytes& file, const PeImage& image)
{
    write32(file, image.optionalHeaderOffset + kCheckSum, computeChecksum(file, image));
}

}  // namespace packer
