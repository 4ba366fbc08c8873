#include "launch/entry_point.h"

#include "launch/launch_sequence.h"
#include "launch/launcher_context.h"
#include "platform/locale.h"
#include "service/service_host.h"

int runLauncher()
{
    int exitCode = -1;
    LauncherContext context;
    {
        ServiceHost serviceHost;
        // Messages and every conversion on this thread then use the
        // system's ANSI code page.
        platform::useSystemDefaultLocale();
        if (prepareLaunch(context)) {
            if (context.isService) {
                // The ordinary run happens inside the service's main function.
                if (resolveServiceName(context, serviceHost)) {
                    exitCode = runServiceDispatcher(serviceHost);
                }
            } else {
                exitCode = runLaunch(context);
            }
        }
    }
    tearDownContext(context);
    return exitCode;
}
