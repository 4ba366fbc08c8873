// An ordered list of narrow strings; duplicates and empty strings allowed.
#pragma once

#include <string>
#include <vector>

using StringList = std::vector<std::string>;
