#include "tools/pe_resources.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "packer/synthetic_pe.h"
#include "tools/file_io.h"
#include "tools/pe_image.h"

namespace {

using packer::Bytes;
using packer::Resource;
using packer::ResourceKey;

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

Resource resource(ResourceKey type, ResourceKey name, std::uint16_t language, const std::string& data)
{
    return Resource{std::move(type), std::move(name), ResourceKey::number(language), 0, bytesOf(data)};
}

Resource rawData(std::uint16_t id, const std::string& data, std::uint16_t language = 0)
{
    return resource(ResourceKey::number(packer::kRawDataType), ResourceKey::number(id), language, data);
}

std::string describe(const ResourceKey& key)
{
    return key.named ? std::string(key.name.begin(), key.name.end()) : std::to_string(key.id);
}

std::string describe(const Resource& resource)
{
    return describe(resource.type) + "/" + describe(resource.name) + "/" + describe(resource.language);
}

const Resource* find(const std::vector<Resource>& resources, const Resource& like)
{
    for (const Resource& candidate : resources) {
        if (candidate.type == like.type && candidate.name == like.name && candidate.language == like.language) {
            return &candidate;
        }
    }
    return nullptr;
}

Bytes pack(const Bytes& file, const std::vector<Resource>& additions)
{
    Bytes packed;
    std::string error;
    EXPECT_TRUE(packer::writePeResources(file, additions, packed, error)) << error;
    return packed;
}

std::vector<Resource> resourcesOf(const Bytes& file)
{
    std::vector<Resource> resources;
    std::string error;
    EXPECT_TRUE(packer::readPeResources(file, resources, error)) << error;
    return resources;
}

packer::PeImage imageOf(const Bytes& file)
{
    packer::PeImage image;
    std::string error;
    EXPECT_TRUE(packer::parsePeImage(file, image, error)) << error;
    return image;
}

std::uint32_t optionalField(const Bytes& file, std::size_t offset)
{
    return packer::read32(file, imageOf(file).optionalHeaderOffset + offset);
}

// The headers of a packed image must describe its new last section.
void expectHeadersDescribeTheResourceSection(const Bytes& original, const Bytes& packed)
{
    packer::PeImage before = imageOf(original);
    packer::PeImage image = imageOf(packed);
    ASSERT_FALSE(image.sections.empty());
    const packer::PeSection& last = image.sections.back();
    EXPECT_EQ(last.name, ".rsrc");
    EXPECT_EQ(last.rawPointer % image.fileAlignment, 0u);
    EXPECT_EQ(last.virtualAddress % image.sectionAlignment, 0u);
    EXPECT_EQ(std::size_t{last.rawPointer} + last.rawSize, packed.size());
    packer::DataDirectory resources = packer::dataDirectory(packed, image, packer::kResourceDirectory);
    EXPECT_EQ(resources.address, last.virtualAddress);
    EXPECT_EQ(resources.size, last.virtualSize);
    std::uint32_t imageEnd = (last.virtualAddress + last.virtualSize + image.sectionAlignment - 1) /
                             image.sectionAlignment * image.sectionAlignment;
    EXPECT_EQ(optionalField(packed, 56), imageEnd) << "SizeOfImage";
    EXPECT_EQ(optionalField(packed, 64), packer::computeChecksum(packed, image)) << "CheckSum";
    // Every section but a dropped resource section stays where it was.
    for (std::size_t n = 0; n + 1 < image.sections.size(); ++n) {
        ASSERT_LT(n, before.sections.size());
        EXPECT_EQ(image.sections[n].virtualAddress, before.sections[n].virtualAddress) << n;
        EXPECT_EQ(image.sections[n].rawPointer, before.sections[n].rawPointer) << n;
    }
}

class SyntheticImage : public testing::TestWithParam<bool> {
protected:
    bool pe32Plus() const { return GetParam(); }
    Bytes original = synthetic::syntheticPe(GetParam());
};

TEST_P(SyntheticImage, GainsAResourceSectionHoldingTheAdditions)
{
    Bytes packed = pack(original, {rawData(8000, "configuration"), rawData(9000, "pass")});
    std::vector<Resource> resources = resourcesOf(packed);
    ASSERT_EQ(resources.size(), 2u);
    EXPECT_EQ(find(resources, rawData(8000, ""))->data, bytesOf("configuration"));
    EXPECT_EQ(find(resources, rawData(9000, ""))->data, bytesOf("pass"));

    expectHeadersDescribeTheResourceSection(original, packed);
    packer::PeImage image = imageOf(packed);
    EXPECT_EQ(image.sections.size(), 2u);
    EXPECT_EQ(optionalField(packed, 8), optionalField(original, 8) + image.sections.back().rawSize)
        << "SizeOfInitializedData";
    EXPECT_TRUE(std::equal(original.begin() + 0x200, original.end(), packed.begin() + 0x200)) << "the code moved";
}

TEST_P(SyntheticImage, PackingAgainReplacesTheSectionAndTheSameResources)
{
    Bytes once = pack(original, {rawData(8000, "first"), rawData(9000, "pass")});
    Bytes twice = pack(once, {rawData(8000, "second"), rawData(8001, "added")});
    std::vector<Resource> resources = resourcesOf(twice);
    ASSERT_EQ(resources.size(), 3u);
    EXPECT_EQ(find(resources, rawData(8000, ""))->data, bytesOf("second"));
    EXPECT_EQ(find(resources, rawData(9000, ""))->data, bytesOf("pass"));
    EXPECT_EQ(find(resources, rawData(8001, ""))->data, bytesOf("added"));

    expectHeadersDescribeTheResourceSection(original, twice);
    EXPECT_EQ(imageOf(twice).sections.size(), 2u);
    EXPECT_EQ(imageOf(twice).sections.back().virtualAddress, imageOf(once).sections.back().virtualAddress);
    EXPECT_EQ(optionalField(twice, 8), optionalField(once, 8)) << "SizeOfInitializedData";
}

TEST_P(SyntheticImage, ReplacesOnlyTheNeutralLanguage)
{
    Bytes once = pack(original, {rawData(8000, "english", 1033)});
    std::vector<Resource> resources = resourcesOf(pack(once, {rawData(8000, "neutral")}));
    ASSERT_EQ(resources.size(), 2u);
    EXPECT_EQ(find(resources, rawData(8000, "", 1033))->data, bytesOf("english"));
    EXPECT_EQ(find(resources, rawData(8000, "", 0))->data, bytesOf("neutral"));
}

TEST_P(SyntheticImage, DropsASignatureThatNoLongerHolds)
{
    Bytes signed_ = original;
    std::size_t certificate = signed_.size();
    signed_.resize(certificate + 0x20, 0xAB);
    packer::write32(signed_, synthetic::dataDirectory(pe32Plus(), packer::kCertificateDirectory), 
                    static_cast<std::uint32_t>(certificate));
    packer::write32(signed_, synthetic::dataDirectory(pe32Plus(), packer::kCertificateDirectory) + 4, 0x20);

    Bytes packed = pack(signed_, {rawData(8000, "configuration")});
    packer::PeImage image = imageOf(packed);
    packer::DataDirectory left = packer::dataDirectory(packed, image, packer::kCertificateDirectory);
    EXPECT_EQ(left.address, 0u);
    EXPECT_EQ(left.size, 0u);
    EXPECT_EQ(image.sections.back().rawPointer, certificate) << "the signature's bytes were kept";
}

INSTANTIATE_TEST_SUITE_P(Formats, SyntheticImage, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "pe32Plus" : "pe32");
                         });

TEST(ResourceTree, ListsEveryDirectoryInTheOrderTheSystemSearches)
{
    auto named = [](const char16_t* name) { return ResourceKey::text(name); };
    auto id = [](std::uint16_t number) { return ResourceKey::number(number); };
    std::vector<Resource> scrambled{
        resource(id(24), id(1), 1033, "manifest"),
        resource(named(u"ZED"), id(3), 0, "z"),
        resource(id(10), id(9000), 0, "pass"),
        resource(id(6), id(14), 1033, "strings"),
        resource(id(10), named(u"beta"), 0, "b"),
        resource(named(u"alpha"), id(1), 0, "a"),
        resource(id(10), id(8000), 1033, "english"),
        resource(id(10), named(u"alpha"), 0, "a2"),
        resource(id(10), named(u"ALPHA"), 0, "A"),
        resource(id(10), id(8000), 0, "neutral"),
        resource(id(10), id(8000), 7, "german"),
    };
    scrambled[3].codePage = 1252;  // the string table
    std::vector<Resource> resources = resourcesOf(pack(synthetic::syntheticPe(true), scrambled));

    std::vector<std::string> order;
    for (const Resource& resource : resources) {
        order.push_back(describe(resource));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"alpha/1/0", "ZED/3/0", "6/14/1033", "10/ALPHA/0", "10/alpha/0", "10/beta/0",
                                               "10/8000/0", "10/8000/7", "10/8000/1033", "10/9000/0",
                                               "24/1/1033"}));
    EXPECT_EQ(find(resources, scrambled[3])->codePage, 1252u);
    for (const Resource& expected : scrambled) {
        EXPECT_EQ(find(resources, expected)->data, expected.data) << describe(expected);
    }
}

// Damage to the headers or to the resource tree: packing must refuse with
// the reason, and hand out nothing.
struct DamageCase {
    const char* name;
    bool packedFirst;  // damage an image that has a resource tree already
    std::function<void(Bytes&)> damage;
    const char* reason;
};

// The tree that packedBase() writes: the root lists the named type "TARN"
// first, then type 10.
Bytes packedBase()
{
    return pack(synthetic::syntheticPe(true),
                {resource(ResourceKey::text(u"TARN"), ResourceKey::number(1), 0, "named"), rawData(8000, "x")});
}

std::size_t treeOffset(const Bytes& file)
{
    packer::PeImage image = imageOf(file);
    std::size_t offset = 0;
    packer::fileOffsetOfRva(image, packer::dataDirectory(file, image, packer::kResourceDirectory).address, 16,
                            offset);
    return offset;
}

std::size_t entryOf(std::size_t directory, std::size_t index)
{
    return directory + 16 + 8 * index;
}

// The file offset of the directory or data entry that entry `index` of the
// directory at `directory` points to.
std::size_t targetOf(const Bytes& file, std::size_t directory, std::size_t index)
{
    return treeOffset(file) + (packer::read32(file, entryOf(directory, index) + 4) & 0x7FFFFFFFu);
}

std::size_t firstLanguageDirectory(const Bytes& file)
{
    return targetOf(file, targetOf(file, treeOffset(file), 0), 0);
}

constexpr bool kPlus = true;
const std::size_t kOptional = synthetic::kOptionalHeader;

class DamagedImage : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedImage, IsRefusedWithItsReason)
{
    Bytes file = GetParam().packedFirst ? packedBase() : synthetic::syntheticPe(kPlus);
    GetParam().damage(file);
    Bytes output = bytesOf("untouched");
    std::string error;
    EXPECT_FALSE(packer::writePeResources(file, {rawData(8000, "new")}, output, error));
    EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
    EXPECT_EQ(output, bytesOf("untouched"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedImage,
    testing::Values(
        DamageCase{"noDosHeader", false, [](Bytes& f) { f.resize(60); }, "damaged Windows executable: it has no DOS header"},
        DamageCase{"peHeaderOutsideTheFile", false, [](Bytes& f) { packer::write32(f, 0x3C, 0xFFFFFFF0u); },
                   "its PE header lies outside the file"},
        DamageCase{"noPeSignature", false, [](Bytes& f) { f[0x41] = 'X'; }, "it has no PE signature"},
        DamageCase{"unknownOptionalHeader", false, [](Bytes& f) { packer::write16(f, kOptional, 0x107); },
                   "neither PE32 nor PE32+"},
        DamageCase{"optionalHeaderTooShort", false,
                   [](Bytes& f) { packer::write16(f, synthetic::kFileHeader + 16, 64); }, "too short"},
        DamageCase{"dataDirectoryTooLong", false, [](Bytes& f) { packer::write32(f, kOptional + 108, 100); },
                   "its data directory does not fit in the optional header"},
        DamageCase{"sectionTableOutsideTheFile", false,
                   [](Bytes& f) { packer::write16(f, synthetic::kFileHeader + 2, 0x7FFF); },
                   "its section table lies outside the file"},
        DamageCase{"sectionDataOutsideTheFile", false,
                   [](Bytes& f) { packer::write32(f, synthetic::sectionTable(kPlus) + 16, 0x100000); },
                   "the data of its section 1 lies outside the file"},
        DamageCase{"fileAlignmentNotAPowerOfTwo", false, [](Bytes& f) { packer::write32(f, kOptional + 36, 0x300); },
                   "its alignments are not powers of two"},
        DamageCase{"noResourceDirectoryEntry", false, [](Bytes& f) { packer::write32(f, kOptional + 108, 2); },
                   "cannot add a section to this Windows executable: its headers have no entry for a resource directory"},
        DamageCase{"headersEndAtTheSectionTable", false,
                   [](Bytes& f) {
                       packer::write32(f, kOptional + 60, static_cast<std::uint32_t>(synthetic::sectionTable(kPlus) + 40));
                   },
                   "its headers have no room for another section header"},
        DamageCase{"fileEndsInTheNewSectionHeader", false,
                   [](Bytes& f) {
                       packer::write32(f, synthetic::sectionTable(kPlus) + 16, 0);  // no code bytes in the file
                       f.resize(synthetic::sectionTable(kPlus) + 40 + 8);
                   },
                   "its headers have no room for another section header"},
        DamageCase{"bytesAfterTheSectionTableInUse", false,
                   [](Bytes& f) { f[synthetic::sectionTable(kPlus) + 40 + 39] = 1; },
                   "its headers have no room for another section header"},
        DamageCase{"resourceDirectoryOutsideTheFile", true,
                   [](Bytes& f) { packer::write32(f, synthetic::dataDirectory(kPlus, 2), 0x7FFFF000u); },
                   "its resource directory lies outside the file"},
        DamageCase{"directoryOutsideTheSection", true,
                   [](Bytes& f) { packer::write32(f, entryOf(treeOffset(f), 1) + 4, 0xFFFF0000u); },
                   "a directory of its resource tree lies outside the section"},
        DamageCase{"directoryRunsPastTheSection", true,
                   [](Bytes& f) { packer::write16(f, treeOffset(f) + 14, 0xFFFF); },
                   "a directory of its resource tree runs past the section"},
        DamageCase{"typeEntryPointsAtData", true,
                   [](Bytes& f) { packer::write32(f, entryOf(treeOffset(f), 1) + 4, 0x10); },
                   "its resource tree is not three levels deep"},
        DamageCase{"nameOutsideTheSection", true,
                   [](Bytes& f) { packer::write32(f, entryOf(treeOffset(f), 0), 0xFFFF0000u); },
                   "a name in its resource tree lies outside the section"},
        DamageCase{"numberOutOfRange", true,
                   [](Bytes& f) { packer::write32(f, entryOf(treeOffset(f), 1), 0x12345); },
                   "an entry of its resource tree has a number out of range"},
        DamageCase{"dataEntryOutsideTheSection", true,
                   [](Bytes& f) { packer::write32(f, entryOf(firstLanguageDirectory(f), 0) + 4, 0x7FFF0000u); },
                   "a data entry of its resource tree lies outside the section"},
        DamageCase{"dataOutsideTheFile", true,
                   [](Bytes& f) { packer::write32(f, targetOf(f, firstLanguageDirectory(f), 0), 0x7FFFF000u); },
                   "a resource's data lies outside the file"}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

// The launchers that this build and its sibling builds made; a test of one
// that is not there is skipped.
std::vector<std::string> launcherPaths()
{
    std::vector<std::string> paths;
    std::stringstream list(TARN_TEST_PE_LAUNCHERS);
    for (std::string path; std::getline(list, path, '|');) {
        if (!path.empty()) {
            paths.push_back(path);
        }
    }
    return paths;
}

class BuiltLauncher : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        if (!packer::readWholeFile(GetParam(), original)) {
            GTEST_SKIP() << GetParam() << " has not been built";
        }
    }
    Bytes original;
};

TEST_P(BuiltLauncher, PackingAddsTheConfigurationAndKeepsEveryResource)
{
    std::vector<Resource> before = resourcesOf(original);
    bool hasStrings = false, hasManifest = false;
    for (const Resource& existing : before) {
        hasStrings = hasStrings || existing.type == ResourceKey::number(6);
        hasManifest = hasManifest || (existing.type == ResourceKey::number(24) && existing.name == ResourceKey::number(1));
    }
    EXPECT_TRUE(hasStrings) << "no string table";
    EXPECT_TRUE(hasManifest) << "no manifest";

    Bytes packed = pack(original, {rawData(8000, "configuration"), rawData(9000, "pass")});
    std::vector<Resource> after = resourcesOf(packed);
    EXPECT_EQ(after.size(), before.size() + 2);
    for (const Resource& existing : before) {
        const Resource* kept = find(after, existing);
        ASSERT_NE(kept, nullptr) << describe(existing);
        EXPECT_EQ(kept->data, existing.data) << describe(existing);
        EXPECT_EQ(kept->codePage, existing.codePage) << describe(existing);
    }
    ASSERT_NE(find(after, rawData(8000, "")), nullptr);
    EXPECT_EQ(find(after, rawData(8000, ""))->data, bytesOf("configuration"));
    ASSERT_NE(find(after, rawData(9000, "")), nullptr);
    EXPECT_EQ(find(after, rawData(9000, ""))->data, bytesOf("pass"));
    expectHeadersDescribeTheResourceSection(original, packed);
    EXPECT_EQ(imageOf(packed).sections.size(), imageOf(original).sections.size() + 1);
}

TEST_P(BuiltLauncher, PackingAPackedLauncherReplacesAndDoesNotGrow)
{
    Bytes once = pack(original, {rawData(8000, "first text"), rawData(9000, "pass")});
    Bytes twice = pack(once, {rawData(8000, "other text"), rawData(9000, "word")});
    std::vector<Resource> resources = resourcesOf(twice);
    EXPECT_EQ(resources.size(), resourcesOf(once).size());
    EXPECT_EQ(find(resources, rawData(8000, ""))->data, bytesOf("other text"));
    EXPECT_EQ(find(resources, rawData(9000, ""))->data, bytesOf("word"));
    EXPECT_EQ(imageOf(twice).sections.size(), imageOf(once).sections.size());
    EXPECT_EQ(twice.size(), once.size());
    expectHeadersDescribeTheResourceSection(original, twice);
}

INSTANTIATE_TEST_SUITE_P(Builds, BuiltLauncher, testing::ValuesIn(launcherPaths()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             // The build folder's name: win64, win32.
                             std::string path = info.param;
                             std::size_t end = path.find_last_of("/\\");
                             std::size_t start = path.find_last_of("/\\", end - 1);
                             std::string name = path.substr(start + 1, end - start - 1);
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name + "_" + std::to_string(info.index);
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(BuiltLauncher);

}  // namespace
