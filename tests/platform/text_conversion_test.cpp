#include "platform/text_conversion.h"

#include <gtest/gtest.h>

namespace {

TEST(TextConversion, AsciiRoundTripsInEveryCodePage)
{
    std::string narrow = "Main class was not specified in INI file. %s %d\n";
    std::u16string wide = u"Main class was not specified in INI file. %s %d\n";
    EXPECT_EQ(platform::narrowFromUtf16(wide), narrow);
    EXPECT_EQ(platform::utf16FromNarrow(narrow), wide);
    EXPECT_EQ(platform::narrowFromUtf16(u""), "");
    EXPECT_EQ(platform::utf16FromNarrow(""), u"");
}

TEST(TextConversion, AsciiBytesAreNeverLeadBytes)
{
    for (int byte = 0; byte < 0x80; ++byte) {
        EXPECT_FALSE(platform::isLeadByte(static_cast<unsigned char>(byte))) << byte;
    }
}

}  // namespace
