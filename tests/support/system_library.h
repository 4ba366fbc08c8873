// A library that every machine of a build has, and one of its exports, for
// tests of run-time loading.
#pragma once

namespace test_support {

// Loadable by name, through the system's own search.
const char* systemLibraryName();
const char* systemLibraryExport();

}  // namespace test_support
