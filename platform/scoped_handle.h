// Move-only owner of one operating-system handle. The traits type names the
// handle's type, its invalid value and how it is closed, so every kind of
// handle (kernel object, registry key, mapped view, crypto context) is owned
// the same way.
#pragma once

#include <utility>

namespace platform {

template <typename Traits>
class ScopedHandle {
public:
    using Handle = typename Traits::Handle;

    ScopedHandle() noexcept : handle_(Traits::invalid()) {}
    explicit ScopedHandle(Handle handle) noexcept : handle_(handle) {}
    ~ScopedHandle() { reset(); }

    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept
    {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::invalid(); }

    // Gives up ownership without closing.
    Handle release() noexcept { return std::exchange(handle_, Traits::invalid()); }

    // Closes the owned handle, if any, and takes ownership of the new one.
    void reset(Handle handle = Traits::invalid()) noexcept
    {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::invalid()) {
            Traits::close(old);
        }
    }

private:
    Handle handle_;
};

}  // namespace platform
