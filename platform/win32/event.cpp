#include "platform/event.h"

#include "platform/win32/windows_api.h"

namespace platform {

KernelHandle createEvent()
{
    return KernelHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
}

bool signalEvent(const KernelHandle& event)
{
    return SetEvent(event.get()) != 0;
}

bool waitForEvent(const KernelHandle& event, std::uint32_t milliseconds)
{
    return WaitForSingleObject(event.get(), milliseconds) == WAIT_OBJECT_0;
}

}  // namespace platform
