// What an event handle points at in the posix build. Events of different
// kinds (within the process, or shared between processes) answer the same
// two operations.
#pragma once

#include <cstdint>

#include "platform/posix/kernel_object.h"

namespace platform::posix {

struct EventObject : KernelObject {
    bool (*signal)(EventObject* self);
    bool (*wait)(EventObject* self, std::uint32_t milliseconds);
};

}  // namespace platform::posix
