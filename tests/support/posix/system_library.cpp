#include "support/system_library.h"

namespace test_support {

const char* systemLibraryName() { return "libc.so.6"; }
const char* systemLibraryExport() { return "getpid"; }

}  // namespace test_support
