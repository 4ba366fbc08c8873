#include "support/system_library.h"

namespace test_support {

const char* systemLibraryName() { return "kernel32.dll"; }
const char* systemLibraryExport() { return "GetTickCount"; }

}  // namespace test_support
