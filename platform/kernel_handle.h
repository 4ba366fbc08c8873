// Kernel objects: threads, events, file mappings. The handle is opaque to
// every caller; only the platform's own code knows what it points at.
#pragma once

#include "platform/scoped_handle.h"

namespace platform {

struct KernelHandleTraits {
    using Handle = void*;
    static Handle invalid() noexcept { return nullptr; }
    // Closes the object and leaves the last error as it was.
    static void close(Handle handle) noexcept;
};

using KernelHandle = ScopedHandle<KernelHandleTraits>;

}  // namespace platform
