#include "platform/thread.h"

#include <cstdint>
#include <limits.h>
#include <new>
#include <pthread.h>
#include <unistd.h>

#include "platform/posix/kernel_object.h"

namespace platform {

namespace {

struct ThreadObject : posix::KernelObject {
    pthread_t thread{};
    bool joined = false;
    std::uint32_t exitCode = 0;
};

// What the new thread needs, apart from the handle's object: the handle may
// be closed while the thread still runs.
struct ThreadStart {
    ThreadBody body;
    void* parameter;
};

void destroyThread(posix::KernelObject* object)
{
    auto* thread = static_cast<ThreadObject*>(object);
    if (!thread->joined) {
        pthread_detach(thread->thread);
    }
    delete thread;
}

void* threadEntry(void* parameter)
{
    ThreadStart start = *static_cast<ThreadStart*>(parameter);
    delete static_cast<ThreadStart*>(parameter);
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(start.body(start.parameter)));
}

// pthreads refuses sizes below its minimum or not in whole pages, where
// Windows takes any size and rounds it up itself.
std::size_t acceptedStackSize(std::uint32_t requested)
{
    std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::size_t size = (static_cast<std::size_t>(requested) + page - 1) / page * page;
    const auto minimum = static_cast<std::size_t>(PTHREAD_STACK_MIN);
    return size < minimum ? minimum : size;
}

}  // namespace

KernelHandle startThread(ThreadBody body, void* parameter, std::uint32_t stackSize)
{
    auto* object = new (std::nothrow) ThreadObject;
    auto* start = new (std::nothrow) ThreadStart{body, parameter};
    if (object == nullptr || start == nullptr) {
        delete object;
        delete start;
        return KernelHandle();
    }
    object->destroy = destroyThread;
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    bool sized = stackSize == 0 || pthread_attr_setstacksize(&attributes, acceptedStackSize(stackSize)) == 0;
    bool started = sized && pthread_create(&object->thread, &attributes, threadEntry, start) == 0;
    pthread_attr_destroy(&attributes);
    if (!started) {
        delete object;
        delete start;
        return KernelHandle();
    }
    return KernelHandle(static_cast<posix::KernelObject*>(object));
}

bool waitForThread(const KernelHandle& handle, std::uint32_t& exitCode)
{
    auto* thread = static_cast<ThreadObject*>(static_cast<posix::KernelObject*>(handle.get()));
    if (!thread->joined) {
        void* result = nullptr;
        if (pthread_join(thread->thread, &result) != 0) {
            return false;
        }
        thread->joined = true;
        thread->exitCode = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(result));
    }
    exitCode = thread->exitCode;
    return true;
}

}  // namespace platform
