#include "tools/launcher_file.h"

#include <gtest/gtest.h>

#include "packer/synthetic_pe.h"
#include "platform/portable/resource_payload.h"
#include "tools/pe_resources.h"

namespace {

using packer::Bytes;
using packer::LauncherKind;
using packer::RawResource;

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

const Bytes kElf = bytesOf("\x7F" "ELF\x02\x01\x01 the rest of a Linux launcher");

Bytes written(const Bytes& file, const std::vector<RawResource>& resources)
{
    Bytes output;
    std::string error;
    EXPECT_TRUE(packer::writeRawResources(file, resources, output, error)) << error;
    return output;
}

std::vector<RawResource> readBack(const Bytes& file)
{
    std::vector<RawResource> resources;
    std::string error;
    EXPECT_TRUE(packer::readRawResources(file, resources, error)) << error;
    return resources;
}

Bytes bytesOfId(const std::vector<RawResource>& resources, std::uint16_t id)
{
    for (const RawResource& resource : resources) {
        if (resource.id == id) {
            return resource.bytes;
        }
    }
    return bytesOf("<missing>");
}

struct KindCase {
    const char* name;
    std::string start;
    LauncherKind kind;
};

class LauncherKindOf : public testing::TestWithParam<KindCase> {};

TEST_P(LauncherKindOf, IsToldByTheFirstBytes)
{
    EXPECT_EQ(packer::launcherKindOf(bytesOf(GetParam().start)), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Cases, LauncherKindOf,
                         testing::Values(KindCase{"windows", "MZ\x90", LauncherKind::pe},
                                         KindCase{"linux", "\x7F" "ELF\x02", LauncherKind::elf},
                                         KindCase{"script", "#!/bin/sh\n", LauncherKind::unknown},
                                         KindCase{"truncatedElf", "\x7F" "EL", LauncherKind::unknown},
                                         KindCase{"oneByte", "M", LauncherKind::unknown},
                                         KindCase{"empty", "", LauncherKind::unknown}),
                         [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

TEST(LinuxLauncher, CarriesTheResourcesAfterItsOwnBytes)
{
    Bytes packed = written(kElf, {{8000, bytesOf("text")}, {9000, bytesOf("pass")}});
    EXPECT_TRUE(std::equal(kElf.begin(), kElf.end(), packed.begin()));
    std::vector<RawResource> resources = readBack(packed);
    EXPECT_EQ(resources.size(), 2u);
    EXPECT_EQ(bytesOfId(resources, 8000), bytesOf("text"));
    EXPECT_EQ(bytesOfId(resources, 9000), bytesOf("pass"));
}

TEST(LinuxLauncher, PackingAgainReplacesThePayload)
{
    Bytes once = written(kElf, {{8000, bytesOf("first")}, {9000, bytesOf("pass")}});
    Bytes twice = written(once, {{8000, bytesOf("second")}});
    std::vector<RawResource> resources = readBack(twice);
    EXPECT_EQ(resources.size(), 2u);
    EXPECT_EQ(bytesOfId(resources, 8000), bytesOf("second"));
    EXPECT_EQ(bytesOfId(resources, 9000), bytesOf("pass"));

    std::size_t bodySize = 0;
    std::vector<platform::portable::PayloadEntry> entries;
    ASSERT_TRUE(platform::portable::splitPayload(twice, bodySize, entries));
    EXPECT_EQ(bodySize, kElf.size()) << "the old payload stayed";
}

// A trailer that only looks like one of ours may be something else's
// data: it stays, and the new payload follows it.
TEST(LinuxLauncher, KeepsADamagedPayloadAsPartOfTheExecutable)
{
    Bytes damaged = written(kElf, {{8000, bytesOf("old")}});
    damaged[damaged.size() - 16] ^= 0x01;  // the entries' size no longer adds up
    Bytes packed = written(damaged, {{8000, bytesOf("new")}});
    EXPECT_TRUE(std::equal(damaged.begin(), damaged.end(), packed.begin()));
    EXPECT_EQ(bytesOfId(readBack(packed), 8000), bytesOf("new"));
}

TEST(WindowsLauncher, TakesOnlyLanguageNeutralRawDataAsTheLaunchersResources)
{
    using packer::ResourceKey;
    Bytes withOthers;
    std::string error;
    std::vector<packer::Resource> others{
        {ResourceKey::number(packer::kRawDataType), ResourceKey::number(8000), ResourceKey::number(1033), 0,
         bytesOf("english")},
        {ResourceKey::number(6), ResourceKey::number(500), ResourceKey::number(0), 0, bytesOf("strings")},
        {ResourceKey::number(packer::kRawDataType), ResourceKey::text(u"NAMED"), ResourceKey::number(0), 0,
         bytesOf("named")}};
    ASSERT_TRUE(packer::writePeResources(synthetic::syntheticPe(true), others, withOthers, error)) << error;

    std::vector<RawResource> resources = readBack(written(withOthers, {{8000, bytesOf("neutral")}}));
    ASSERT_EQ(resources.size(), 1u);
    EXPECT_EQ(resources[0].id, 8000);
    EXPECT_EQ(resources[0].bytes, bytesOf("neutral"));
}

TEST(UnknownLauncher, IsRefusedForReadingAndWriting)
{
    const char* reason = "not a launcher: neither a Windows (PE) nor a Linux (ELF) executable";
    Bytes script = bytesOf("#!/bin/sh\necho hello\n");
    std::vector<RawResource> resources{{1, bytesOf("untouched")}};
    std::string error;
    EXPECT_FALSE(packer::readRawResources(script, resources, error));
    EXPECT_EQ(error, reason);
    EXPECT_EQ(resources.size(), 1u);

    Bytes output = bytesOf("untouched");
    error.clear();
    EXPECT_FALSE(packer::writeRawResources(script, {{8000, bytesOf("x")}}, output, error));
    EXPECT_EQ(error, reason);
    EXPECT_EQ(output, bytesOf("untouched"));
}

}  // namespace
