// What a kernel handle points at in the posix build: an object of this
// build's own that knows how to release itself (a thread, an event, a
// mapping), so that one handle type serves them all.
#pragma once

namespace platform::posix {

struct KernelObject {
    void (*destroy)(KernelObject* self);
};

}  // namespace platform::posix
