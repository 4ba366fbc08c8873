#include "platform/portable/resource_payload.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using platform::portable::PayloadEntry;
using platform::portable::kPayloadTrailerSize;
using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

const Bytes kBody = bytesOf("\x7f" "ELF launcher body");

// The body of an executable with a payload of two entries after it.
Bytes packedFile()
{
    Bytes file = kBody;
    Bytes payload = platform::portable::serializePayload(
        {PayloadEntry{8000, bytesOf("configuration")}, PayloadEntry{9000, bytesOf("pass")}});
    file.insert(file.end(), payload.begin(), payload.end());
    return file;
}

void put32(Bytes& file, std::size_t offset, std::uint32_t value)
{
    for (int n = 0; n < 4; ++n) {
        file[offset + n] = static_cast<std::uint8_t>(value >> (8 * n));
    }
}

TEST(ResourcePayload, RoundTripsEntriesAndFindsTheBodyBeforeThem)
{
    Bytes file = packedFile();
    std::size_t bodySize = 0;
    std::vector<PayloadEntry> entries;
    ASSERT_TRUE(platform::portable::splitPayload(file, bodySize, entries));
    EXPECT_EQ(bodySize, kBody.size());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].id, 8000);
    EXPECT_EQ(entries[0].bytes, bytesOf("configuration"));
    EXPECT_EQ(entries[1].id, 9000);
    EXPECT_EQ(entries[1].bytes, bytesOf("pass"));
}

TEST(ResourcePayload, TrailerAloneTellsWhereTheEntriesStart)
{
    Bytes file = packedFile();
    platform::portable::PayloadTrailer trailer;
    ASSERT_TRUE(platform::portable::parsePayloadTrailer(file.data() + file.size() - kPayloadTrailerSize,
                                                        file.size(), trailer));
    EXPECT_EQ(trailer.entryCount, 2);
    EXPECT_EQ(file.size() - kPayloadTrailerSize - trailer.entriesSize, kBody.size());
}

TEST(ResourcePayload, KeepsEmptyEntriesAndAnEmptyPayload)
{
    Bytes file = platform::portable::serializePayload({PayloadEntry{7, {}}});
    std::size_t bodySize = 99;
    std::vector<PayloadEntry> entries;
    ASSERT_TRUE(platform::portable::splitPayload(file, bodySize, entries));
    EXPECT_EQ(bodySize, 0u);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].bytes.empty());

    file = platform::portable::serializePayload({});
    EXPECT_EQ(file.size(), kPayloadTrailerSize);
    ASSERT_TRUE(platform::portable::splitPayload(file, bodySize, entries));
    EXPECT_TRUE(entries.empty());
}

// Each case damages a packed file in one way; none of them may be taken for
// a payload, and nothing may be handed out.
struct BogusCase {
    const char* name;
    std::function<void(Bytes&)> damage;
};

class BogusPayload : public testing::TestWithParam<BogusCase> {};

TEST_P(BogusPayload, IsNoPayload)
{
    Bytes file = packedFile();
    GetParam().damage(file);
    std::size_t bodySize = 12345;
    std::vector<PayloadEntry> entries{PayloadEntry{1, bytesOf("untouched")}};
    EXPECT_FALSE(platform::portable::splitPayload(file, bodySize, entries));
    EXPECT_EQ(bodySize, 12345u);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].bytes, bytesOf("untouched"));
}

// Offsets from the end of the file: the trailer's fields, and the header of
// the last entry ("pass", 4 bytes, just before the trailer).
constexpr std::size_t kTrailerStart = kPayloadTrailerSize;
constexpr std::size_t kLastEntryHeader = kPayloadTrailerSize + 4 + 8;

std::size_t fromEnd(const Bytes& file, std::size_t back)
{
    return file.size() - back;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BogusPayload,
    testing::Values(
        BogusCase{"noPayloadAtAll", [](Bytes& file) { file = kBody; }},
        BogusCase{"shorterThanATrailer", [](Bytes& file) { file.erase(file.begin(), file.end() - 15); }},
        BogusCase{"wrongMagic", [](Bytes& file) { file.back() ^= 0x20; }},
        BogusCase{"laterVersion", [](Bytes& file) { file[fromEnd(file, 10)] = 2; }},
        BogusCase{"truncatedInFront",
                  [](Bytes& file) { file.erase(file.begin(), file.begin() + kBody.size() + 1); }},
        BogusCase{"entriesLargerThanTheFile",
                  [](Bytes& file) { put32(file, fromEnd(file, kTrailerStart), 0xFFFFFFF0u); }},
        BogusCase{"moreEntriesThanFit", [](Bytes& file) { file[fromEnd(file, kTrailerStart - 4)] = 200; }},
        BogusCase{"oneEntryMoreThanThereAre", [](Bytes& file) { file[fromEnd(file, kTrailerStart - 4)] = 3; }},
        BogusCase{"fewerEntriesThanBytes", [](Bytes& file) { file[fromEnd(file, kTrailerStart - 4)] = 1; }},
        BogusCase{"entryRunsPastTheTrailer",
                  [](Bytes& file) { put32(file, fromEnd(file, kLastEntryHeader - 4), 5); }},
        BogusCase{"reservedFieldSet", [](Bytes& file) { file[fromEnd(file, kLastEntryHeader - 2)] = 1; }},
        BogusCase{"duplicateIds",
                  [](Bytes& file) {
                      file[fromEnd(file, kLastEntryHeader)] = 8000 & 0xFF;
                      file[fromEnd(file, kLastEntryHeader - 1)] = 8000 >> 8;
                  }}),
    [](const testing::TestParamInfo<BogusCase>& info) { return std::string(info.param.name); });

}  // namespace
