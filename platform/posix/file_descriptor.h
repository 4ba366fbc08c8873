// An open file descriptor, owned.
#pragma once

#include <unistd.h>

#include "platform/scoped_handle.h"

namespace platform::posix {

struct FileDescriptorTraits {
    using Handle = int;
    static Handle invalid() noexcept { return -1; }
    static void close(Handle descriptor) noexcept { ::close(descriptor); }
};

using FileDescriptor = ScopedHandle<FileDescriptorTraits>;

}  // namespace platform::posix
