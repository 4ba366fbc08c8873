#include "launch/launcher_context.h"

#include "instance/hand_off.h"

void tearDownContext(LauncherContext& context)
{
    if (context.javaVM != nullptr) {
        context.javaVM->functions->DestroyJavaVM(context.javaVM);
        context.javaVM = nullptr;
        context.jniEnv = nullptr;
    }
    if (context.singleInstance) {
        stopListener(context);
    }
    context.startedEvent.reset();
    context = LauncherContext();
}
