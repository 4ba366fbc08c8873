#include "config/config_source.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

struct LookupCase {
    const char* name;
    std::string embedded;  // the embedded text, CR LF lines
    std::string file;      // the configuration file on disk
    std::string value;     // of [Java Runtime Environment] "Virtual Machine Parameters"
};

class LookupValue : public testing::TestWithParam<LookupCase> {};

TEST_P(LookupValue, LayersTheFileOverTheEmbeddedText)
{
    TempFolder folder;
    ConfigSource source;
    source.filePath = folder.writeFile("tool.ini", GetParam().file);
    parseIniText(GetParam().embedded, source.document);
    EXPECT_EQ(lookupValue(source, "Java Runtime Environment", "Virtual Machine Parameters"), GetParam().value);
}

const std::string kEmbedded = "[Java Runtime Environment]\r\nVirtual Machine Parameters=-Xmx256m\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupValue,
    testing::Values(
        LookupCase{"embeddedOnly", kEmbedded, "", "-Xmx256m"},
        LookupCase{"fileReplaces", kEmbedded, "[Java Runtime Environment]\nVirtual Machine Parameters=-Xmx512m\n",
                   "-Xmx512m"},
        LookupCase{"plusSectionAppendsWithABlankAfter", kEmbedded,
                   "[Java Runtime Environment+]\nVirtual Machine Parameters=-Dx=1\n", "-Xmx256m-Dx=1 "},
        LookupCase{"emptyFileValueDoesNotHide", kEmbedded,
                   "[Java Runtime Environment]\nVirtual Machine Parameters=\n", "-Xmx256m"},
        LookupCase{"fileValueWinsOverPlus", kEmbedded,
                   "[Java Runtime Environment]\nVirtual Machine Parameters=-Xmx1g\n"
                   "[Java Runtime Environment+]\nVirtual Machine Parameters=-Dx=1\n",
                   "-Xmx1g"},
        LookupCase{"noEmbeddedTextFileOnly", "", "[Java Runtime Environment]\nVirtual Machine Parameters=-Xss2m\n",
                   "-Xss2m"},
        LookupCase{"noEmbeddedTextPlusOnly", "", "[Java Runtime Environment+]\nVirtual Machine Parameters=-Da\n",
                   "-Da "},
        LookupCase{"plusValueStartingWithABlankGetsNone", "",
                   "[Java Runtime Environment+]\nVirtual Machine Parameters=\" -Da\"\n", " -Da"},
        LookupCase{"nothingAnywhere", "", "[Other]\nVirtual Machine Parameters=x\n", ""},
        LookupCase{"fileNamesIgnoreLetterCase", "", "[java runtime environment]\nvirtual machine parameters=-Dy\n",
                   "-Dy"}),
    [](const testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(LookupValueFile, MissingFileLeavesTheEmbeddedValue)
{
    TempFolder folder;
    ConfigSource source;
    source.filePath = folder.file("absent.ini");
    parseIniText(kEmbedded, source.document);
    EXPECT_EQ(lookupValue(source, "Java Runtime Environment", "Virtual Machine Parameters"), "-Xmx256m");
}

TEST(ReadProfileValue, ReturnsLongValuesWhole)
{
    TempFolder folder;
    for (std::size_t length : {253u, 254u, 255u, 256u, 511u, 5000u}) {
        std::string value(length, 'v');
        std::string file = folder.writeFile("long.ini", "[S]\r\nK=" + value + "\r\nQ=\"" + value + "\"\r\n");
        EXPECT_EQ(readProfileValue(file, "S", "K"), value) << length;
        EXPECT_EQ(readProfileValue(file, "S", "Q"), value) << "quoted, " << length;
    }
}

}  // namespace
