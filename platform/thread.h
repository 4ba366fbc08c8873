// Threads of the launcher's own, with a stack of a chosen size.
#pragma once

#include <cstdint>

#include "platform/kernel_handle.h"

namespace platform {

using ThreadBody = std::uint32_t (*)(void* parameter);

// Starts `body(parameter)` on a new thread whose stack holds at least
// `stackSize` bytes (0: the system's default). An empty handle when the
// thread cannot be started.
KernelHandle startThread(ThreadBody body, void* parameter, std::uint32_t stackSize);

// Waits without a time limit for the thread to end and gives the value its
// body returned. False when it cannot wait.
bool waitForThread(const KernelHandle& thread, std::uint32_t& exitCode);

}  // namespace platform
