// The calling thread's locale, which decides the ANSI code page of its
// conversions.
#pragma once

namespace platform {

void useSystemDefaultLocale();

}  // namespace platform
