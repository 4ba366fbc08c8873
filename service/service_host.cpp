#include "service/service_host.h"

#include "launch/launcher_context.h"

ServiceHost* currentServiceHost = nullptr;

ServiceHost::ServiceHost()
{
    currentServiceHost = this;
}

ServiceHost::~ServiceHost()
{
    if (currentServiceHost == this) {
        currentServiceHost = nullptr;
    }
}

bool resolveServiceName(LauncherContext&, ServiceHost&)
{
    // Service mode is not offered yet.
    return false;
}

int runServiceDispatcher(ServiceHost&)
{
    return -1;
}
