// The launcher's entry point. The runtime library's argument vector is not
// used: the command line is read and split by the launcher's own rule.

#include "launch/launch_sequence.h"
#include "launch/launcher_context.h"
#include "platform/locale.h"
#include "service/service_host.h"

int main()
{
    int exitCode = -1;
    {
        LauncherContext context;
        {
            ServiceHost serviceHost;
            platform::useSystemDefaultLocale();
            if (prepareLaunch(context)) {
                if (context.isService) {
                    if (resolveServiceName(context, serviceHost)) {
                        exitCode = runServiceDispatcher(serviceHost);
                    }
                } else {
                    exitCode = runLaunch(context);
                }
            }
        }
        tearDownContext(context);
    }
    return exitCode;
}
