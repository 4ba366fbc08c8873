// The machine's memory, as the memory options measure it.
#pragma once

#include <cstdint>

namespace platform {

struct MemoryFigures {
    std::uint64_t totalPhysical = 0;     // bytes of physical memory
    std::uint64_t availableVirtual = 0;  // bytes of this process's address space not yet in use
};

MemoryFigures memoryStatus();

}  // namespace platform
