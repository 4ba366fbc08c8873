#include "platform/portable/resource_payload.h"

#include <algorithm>
#include <cstring>

namespace platform::portable {

namespace {

constexpr std::uint16_t kVersion = 1;
constexpr char kMagic[8] = {'T', 'A', 'R', 'N', 'P', 'A', 'C', 'K'};
constexpr std::size_t kEntryHeaderSize = 8;

void put16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

std::uint16_t get16(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t get32(const std::uint8_t* bytes)
{
    return get16(bytes) | static_cast<std::uint32_t>(get16(bytes + 2)) << 16;
}

}  // namespace

std::vector<std::uint8_t> serializePayload(const std::vector<PayloadEntry>& entries)
{
    std::vector<std::uint8_t> out;
    for (const PayloadEntry& entry : entries) {
        put16(out, entry.id);
        put16(out, 0);
        put32(out, static_cast<std::uint32_t>(entry.bytes.size()));
        out.insert(out.end(), entry.bytes.begin(), entry.bytes.end());
    }
    std::uint32_t entriesSize = static_cast<std::uint32_t>(out.size());
    put32(out, entriesSize);
    put16(out, static_cast<std::uint16_t>(entries.size()));
    put16(out, kVersion);
    out.insert(out.end(), std::begin(kMagic), std::end(kMagic));
    return out;
}

bool parsePayloadTrailer(const std::uint8_t* bytes, std::uint64_t fileSize, PayloadTrailer& trailer)
{
    if (fileSize < kPayloadTrailerSize || std::memcmp(bytes + 8, kMagic, sizeof kMagic) != 0 ||
        get16(bytes + 6) != kVersion) {
        return false;
    }
    std::uint32_t entriesSize = get32(bytes);
    std::uint16_t entryCount = get16(bytes + 4);
    // Every entry has at least its header, so a count that cannot fit is bogus
    // before anything is read.
    if (entriesSize > fileSize - kPayloadTrailerSize ||
        static_cast<std::uint64_t>(entryCount) * kEntryHeaderSize > entriesSize) {
        return false;
    }
    trailer.entriesSize = entriesSize;
    trailer.entryCount = entryCount;
    return true;
}

bool parsePayloadEntries(const std::uint8_t* bytes, const PayloadTrailer& trailer,
                         std::vector<PayloadEntry>& entries)
{
    std::vector<PayloadEntry> parsed;
    std::size_t offset = 0;
    std::size_t end = trailer.entriesSize;
    for (std::uint16_t n = 0; n < trailer.entryCount; ++n) {
        if (end - offset < kEntryHeaderSize) {
            return false;
        }
        std::uint16_t id = get16(bytes + offset);
        std::uint16_t reserved = get16(bytes + offset + 2);
        std::uint32_t size = get32(bytes + offset + 4);
        offset += kEntryHeaderSize;
        if (reserved != 0 || size > end - offset) {
            return false;
        }
        bool seen = std::any_of(parsed.begin(), parsed.end(),
                                [id](const PayloadEntry& entry) { return entry.id == id; });
        if (seen) {
            return false;
        }
        PayloadEntry entry;
        entry.id = id;
        entry.bytes.assign(bytes + offset, bytes + offset + size);
        parsed.push_back(std::move(entry));
        offset += size;
    }
    if (offset != end) {
        return false;
    }
    entries = std::move(parsed);
    return true;
}

bool splitPayload(const std::vector<std::uint8_t>& file, std::size_t& bodySize,
                  std::vector<PayloadEntry>& entries)
{
    PayloadTrailer trailer;
    if (file.size() < kPayloadTrailerSize ||
        !parsePayloadTrailer(file.data() + file.size() - kPayloadTrailerSize, file.size(), trailer)) {
        return false;
    }
    std::size_t body = file.size() - kPayloadTrailerSize - trailer.entriesSize;
    if (!parsePayloadEntries(file.data() + body, trailer, entries)) {
        return false;
    }
    bodySize = body;
    return true;
}

}  // namespace platform::portable
