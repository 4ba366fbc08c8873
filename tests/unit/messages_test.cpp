#include "launch/messages.h"

#include <gtest/gtest.h>

#include "support/captured_output.h"

namespace {

struct LoadCase {
    unsigned id;
    std::string text;
};

class LoadMessage : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadMessage, GivesTheCatalogueText)
{
    EXPECT_EQ(loadMessage(GetParam().id), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, LoadMessage,
    testing::Values(
        LoadCase{202, "Windows exception: %s (errno = %d).\n"},
        LoadCase{203, "JNI exception: %s\nReason: %s.\n"},
        LoadCase{206, "The Java Runtime Environment (JRE) was not found. Please  download and install a JRE with a "
                      "server JVM (%s) from:"},
        LoadCase{210, "Main class was not specified in INI file."},
        LoadCase{216, "No main method found in specified class.\n"},
        LoadCase{222, "Failed to load Java VM library: %s (errno = %d).\n"},
        LoadCase{225, "unknown"},
        LoadCase{230, "invalid arguments"},
        // Ids without text, inside and outside the catalogue's range.
        LoadCase{0, ""}, LoadCase{201, ""}, LoadCase{204, ""}, LoadCase{223, ""}, LoadCase{231, ""},
        LoadCase{65535, ""}, LoadCase{65536 + 210, ""}),
    [](const testing::TestParamInfo<LoadCase>& info) { return "id" + std::to_string(info.param.id); });

TEST(FormatMessage, FillsTheCatalogueFormat)
{
    EXPECT_EQ(formatMessage(msgJreNotFound, "minimum version 1.5"),
              "The Java Runtime Environment (JRE) was not found. Please  download and install a JRE "
              "(minimum version 1.5) from:");
    EXPECT_EQ(formatMessage(msgVersionBetween, "1.5", "1.6"), "version between 1.5 and 1.6");
    EXPECT_EQ(formatMessage(msgVmLibraryLoadFailed, std::string("C:\\100%d\\jvm.dll"), -1),
              "Failed to load Java VM library: C:\\100%d\\jvm.dll (errno = -1).\n");
}

TEST(FormatMessage, HasNoLengthLimit)
{
    std::string longName(10000, 'x');
    EXPECT_EQ(formatMessage(msgMainClassNotFound, longName), "Could not find the main class " + longName + ".\n");
}

TEST(FormatMessage, UnknownIdGivesEmptyText)
{
    EXPECT_EQ(formatMessage(204, "ignored", 5), "");
}

struct PrintCase {
    const char* name;
    std::string message;
    std::string output;
};

class PrintError : public testing::TestWithParam<PrintCase> {};

TEST_P(PrintError, WritesOneErrorLine)
{
    EXPECT_EQ(capturedStdout([] { printError(GetParam().message); }), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PrintError,
    testing::Values(
        PrintCase{"withReason", formatMessage(msgWindowsException, loadMessage(msgModulePathFailed), 5),
                  "Error: Windows exception: failed to get the module path (errno = 5).\n \n"},
        PrintCase{"unformatted", loadMessage(msgMainClassMissing),
                  "Error: Main class was not specified in INI file. \n"},
        PrintCase{"vmCreationReason", formatMessage(msgJniException, loadMessage(msgVmCreationFailed),
                                                    loadMessage(msgReasonNotEnoughMemory)),
                  "Error: JNI exception: failed to create the Java VM\nReason: not enough memory.\n \n"},
        PrintCase{"unformattedWithOwnLineFeed", loadMessage(msgMainMethodMissing),
                  "Error: No main method found in specified class.\n \n"},
        PrintCase{"percentInPathUnchanged", formatMessage(msgVmLibraryLoadFailed, "C:\\50%s\\jvm.dll", 126),
                  "Error: Failed to load Java VM library: C:\\50%s\\jvm.dll (errno = 126).\n \n"},
        PrintCase{"unknownId", loadMessage(204), "Error:  \n"}),
    [](const testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });

}  // namespace
