#include "platform/kernel_handle.h"

#include <cerrno>

#include "platform/posix/kernel_object.h"

namespace platform {

void KernelHandleTraits::close(Handle handle) noexcept
{
    int saved = errno;
    auto* object = static_cast<posix::KernelObject*>(handle);
    object->destroy(object);
    errno = saved;
}

}  // namespace platform
