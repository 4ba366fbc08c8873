#include "platform/event.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>

#include "platform/posix/event_object.h"

namespace platform {

namespace {

// An event within the process: a flag under a lock, and a condition to
// wait on it.
struct LocalEvent : posix::EventObject {
    std::mutex lock;
    std::condition_variable raised;
    bool signalled = false;
};

void destroyLocalEvent(posix::KernelObject* object)
{
    delete static_cast<LocalEvent*>(object);
}

bool signalLocalEvent(posix::EventObject* object)
{
    auto* event = static_cast<LocalEvent*>(object);
    {
        std::lock_guard<std::mutex> guard(event->lock);
        event->signalled = true;
    }
    event->raised.notify_all();
    return true;
}

bool waitLocalEvent(posix::EventObject* object, std::uint32_t milliseconds)
{
    auto* event = static_cast<LocalEvent*>(object);
    std::unique_lock<std::mutex> guard(event->lock);
    return event->raised.wait_for(guard, std::chrono::milliseconds(milliseconds),
                                  [event] { return event->signalled; });
}

posix::EventObject* eventOf(const KernelHandle& handle)
{
    return static_cast<posix::EventObject*>(static_cast<posix::KernelObject*>(handle.get()));
}

}  // namespace

KernelHandle createEvent()
{
    auto* event = new (std::nothrow) LocalEvent;
    if (event == nullptr) {
        return KernelHandle();
    }
    event->destroy = destroyLocalEvent;
    event->signal = signalLocalEvent;
    event->wait = waitLocalEvent;
    return KernelHandle(static_cast<posix::KernelObject*>(event));
}

bool signalEvent(const KernelHandle& event)
{
    posix::EventObject* object = eventOf(event);
    return object->signal(object);
}

bool waitForEvent(const KernelHandle& event, std::uint32_t milliseconds)
{
    posix::EventObject* object = eventOf(event);
    return object->wait(object, milliseconds);
}

}  // namespace platform
