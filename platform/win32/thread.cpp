#include "platform/thread.h"

#include <new>

#include "platform/win32/windows_api.h"

namespace platform {

namespace {

struct ThreadStart {
    ThreadBody body;
    void* parameter;
};

DWORD WINAPI threadEntry(LPVOID parameter)
{
    ThreadStart start = *static_cast<ThreadStart*>(parameter);
    delete static_cast<ThreadStart*>(parameter);
    return start.body(start.parameter);
}

}  // namespace

KernelHandle startThread(ThreadBody body, void* parameter, std::uint32_t stackSize)
{
    auto* start = new (std::nothrow) ThreadStart{body, parameter};
    if (start == nullptr) {
        return KernelHandle();
    }
    HANDLE thread = CreateThread(nullptr, stackSize, threadEntry, start, 0, nullptr);
    if (thread == nullptr) {
        delete start;
        return KernelHandle();
    }
    return KernelHandle(thread);
}

bool waitForThread(const KernelHandle& thread, std::uint32_t& exitCode)
{
    if (WaitForSingleObject(thread.get(), INFINITE) != WAIT_OBJECT_0) {
        return false;
    }
    DWORD code = 0;
    if (!GetExitCodeThread(thread.get(), &code)) {
        return false;
    }
    exitCode = code;
    return true;
}

}  // namespace platform
