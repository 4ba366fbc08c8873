// Events: a flag one thread raises and others wait for.
#pragma once

#include <cstdint>

#include "platform/kernel_handle.h"

namespace platform {

// A new unnamed event, not signalled, that stays signalled once set. Empty
// on failure.
KernelHandle createEvent();

// Signals the event. False on failure.
bool signalEvent(const KernelHandle& event);

// True when the event is signalled within `milliseconds`.
bool waitForEvent(const KernelHandle& event, std::uint32_t milliseconds);

}  // namespace platform
