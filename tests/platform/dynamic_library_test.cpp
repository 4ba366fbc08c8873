#include "platform/dynamic_library.h"

#include <gtest/gtest.h>

#include "platform/last_error.h"
#include "support/system_library.h"
#include "support/temp_folder.h"

namespace {

TEST(DynamicLibrary, LoadsALibraryAndFindsItsExport)
{
    void* library = platform::loadLibrary(test_support::systemLibraryName());
    ASSERT_NE(library, nullptr);
    EXPECT_NE(platform::librarySymbol(library, test_support::systemLibraryExport()), nullptr);
}

TEST(DynamicLibrary, AMissingExportIsNullWithAReason)
{
    void* library = platform::loadLibrary(test_support::systemLibraryName());
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(platform::librarySymbol(library, "JNI_CreateJavaVM"), nullptr);
    EXPECT_NE(platform::lastErrorCode(), 0u);
}

// A file that is not there and a file that is not a library both fail, each
// with a reason of its own for the message that shows it.
TEST(DynamicLibrary, FilesThatDoNotLoadGiveDistinctReasons)
{
    TempFolder folder;
    // Named with an extension: Windows adds ".dll" to a name without one.
    std::string missing = folder.file("missing-library.dll");
    std::string text = folder.writeFile("not-a-library.dll", "plain text, no code\n");

    EXPECT_EQ(platform::loadLibrary(missing), nullptr);
    std::uint32_t missingReason = platform::lastErrorCode();
    EXPECT_EQ(platform::loadLibrary(text), nullptr);
    std::uint32_t textReason = platform::lastErrorCode();

    EXPECT_NE(missingReason, 0u);
    EXPECT_NE(textReason, 0u);
    EXPECT_NE(missingReason, textReason);
}

}  // namespace
