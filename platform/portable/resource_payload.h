// The raw-data resources of an executable that has no resource section: a
// payload appended to the file. The entries come first, then a fixed-size
// trailer at the very end, so that a reader needs only the file's last bytes
// to know whether there is a payload and where it starts.
//
//   entry    id (u16) | reserved, 0 (u16) | size (u32) | size bytes
//   trailer  entries' size (u32) | entry count (u16) | version (u16) | "TARNPACK"
//
// Numbers are little-endian. Serialising and parsing only: no I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::portable {

struct PayloadEntry {
    std::uint16_t id = 0;
    std::vector<std::uint8_t> bytes;
};

struct PayloadTrailer {
    // Bytes of the entries, which end where the trailer begins.
    std::uint32_t entriesSize = 0;
    std::uint16_t entryCount = 0;
};

constexpr std::size_t kPayloadTrailerSize = 16;

// The bytes to append to an executable: the entries in the given order,
// then the trailer. Ids are expected to be distinct.
std::vector<std::uint8_t> serializePayload(const std::vector<PayloadEntry>& entries);

// Reads the trailer from the last kPayloadTrailerSize bytes of a file of
// `fileSize` bytes. False when they are not a trailer of this version or
// when the entries it announces would not fit in the file before it;
// `trailer` is then untouched.
bool parsePayloadTrailer(const std::uint8_t* bytes, std::uint64_t fileSize, PayloadTrailer& trailer);

// Parses the `trailer.entriesSize` bytes of entries. False unless they hold
// exactly `trailer.entryCount` well-formed entries with distinct ids and
// nothing else; `entries` is then untouched.
bool parsePayloadEntries(const std::uint8_t* bytes, const PayloadTrailer& trailer,
                         std::vector<PayloadEntry>& entries);

// Splits a whole file into the part before its payload and the payload's
// entries. False when the file ends in no valid payload; the out-parameters
// are then untouched.
bool splitPayload(const std::vector<std::uint8_t>& file, std::size_t& bodySize,
                  std::vector<PayloadEntry>& entries);

}  // namespace platform::portable
