// The family of the running operating system.
#pragma once

namespace platform {

// True on a system of the NT family (per-user files and services exist);
// false on the Windows 95 family or when the version cannot be read.
bool isNtFamily();

}  // namespace platform
