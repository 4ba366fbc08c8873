// A Java version as its first four digit groups.
#pragma once

#include <cstdint>

struct VersionNumber {
    // Groups from index `count` on hold the fill value chosen by the parser.
    std::int32_t parts[4] = {0, 0, 0, 0};
    // Digit groups in the text: 0 to 4, or 5 when it held more than four.
    std::int32_t count = 0;
};
