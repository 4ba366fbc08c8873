// Running the launch as a service of the launcher's own process.
#pragma once

#include <string>

struct LauncherContext;

// One per process, living for the whole run; the service callbacks reach it
// through `currentServiceHost`, as none of them takes a parameter.
struct ServiceHost {
    ServiceHost();
    ~ServiceHost();
    ServiceHost(const ServiceHost&) = delete;
    ServiceHost& operator=(const ServiceHost&) = delete;

    LauncherContext* launcherContext = nullptr;
    std::string serviceName;
};

extern ServiceHost* currentServiceHost;

// Stores the context and derives the service name. False ends the launch with -1.
bool resolveServiceName(LauncherContext& context, ServiceHost& host);

// Runs the service dispatcher and returns the launcher's exit code.
int runServiceDispatcher(ServiceHost& host);
