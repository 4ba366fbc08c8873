// The headers and section table of a Windows executable (PE32 or PE32+),
// read from and written back to the file's bytes, without the system's help,
// so that every build can pack a Windows launcher.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/little_endian.h"

namespace packer {

struct PeSection {
    std::string name;
    std::uint32_t virtualSize = 0;
    std::uint32_t virtualAddress = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawPointer = 0;
    std::uint32_t characteristics = 0;
};

// Where the headers lie in the file and what the section table holds.
struct PeImage {
    bool pe32Plus = false;
    std::size_t fileHeaderOffset = 0;
    std::size_t optionalHeaderOffset = 0;
    std::size_t dataDirectoryOffset = 0;
    std::uint32_t dataDirectoryCount = 0;
    std::size_t sectionTableOffset = 0;
    std::uint32_t sectionAlignment = 0;
    std::uint32_t fileAlignment = 0;
    std::uint32_t sizeOfHeaders = 0;
    std::vector<PeSection> sections;
};

struct DataDirectory {
    std::uint32_t address = 0;
    std::uint32_t size = 0;
};

constexpr std::size_t kResourceDirectory = 2;
// The one directory whose address is a file offset, not an RVA.
constexpr std::size_t kCertificateDirectory = 4;

// Reads the headers. False, with the reason in `error`, when the file is
// not a PE image or its headers do not hold together; `image` is then
// untouched.
bool parsePeImage(const Bytes& file, PeImage& image, std::string& error);

// Entry `index` of the data directory; empty when the headers have fewer.
DataDirectory dataDirectory(const Bytes& file, const PeImage& image, std::size_t index);

// Sets entry `index`, which must exist.
void setDataDirectory(Bytes& file, const PeImage& image, std::size_t index, DataDirectory entry);

// The file offset of `size` bytes at `rva`, when they lie in the file data
// of one section. False otherwise; `offset` is then untouched.
bool fileOffsetOfRva(const PeImage& image, std::uint32_t rva, std::uint32_t size, std::size_t& offset);

// The RVA that a section appended now would get.
std::uint32_t nextSectionAddress(const PeImage& image);

// Drops the last section, whose data must end the file: the file is cut
// where that data begins, and the headers no longer count it.
void removeLastSection(Bytes& file, PeImage& image);

// Adds a section of initialised, read-only data holding `content` at
// nextSectionAddress(), its data at the end of the file. False, with the
// reason in `error`, when the headers have no room for another section
// header; nothing is changed then.
bool appendSection(Bytes& file, PeImage& image, const std::string& name, const Bytes& content, std::string& error);

// Gives section `index` a new name of at most 8 characters.
void renameSection(Bytes& file, PeImage& image, std::size_t index, const std::string& name);

// Recomputes the image checksum over the whole file and stores it.
void updateChecksum(Bytes& file, const PeImage& image);

// The checksum that the system's image-help library computes for the file.
std::uint32_t computeChecksum(const Bytes& file, const PeImage& image);

}  // namespace packer
