#include "vmhost/vm_thread.h"

#include "launch/launcher_context.h"
#include "platform/thread.h"
#include "vmhost/main_invocation.h"
#include "vmhost/vm_creation.h"

int runVmThread(LauncherContext& context)
{
    if (context.threadStackSize == 0) {
        context.threadStackSize = defaultStackSize(context);
    }
    platform::KernelHandle thread = platform::startThread(vmThreadMain, &context, context.threadStackSize);
    if (!thread) {
        return static_cast<int>(vmThreadMain(&context));
    }
    std::uint32_t exitCode = 1;
    if (!platform::waitForThread(thread, exitCode)) {
        return 1;
    }
    return static_cast<int>(exitCode);
}

std::uint32_t vmThreadMain(void* parameter)
{
    LauncherContext& context = *static_cast<LauncherContext*>(parameter);
    if (!createVm(context)) {
        return 1;
    }
    return invokeMain(context) ? 0 : 1;
}

std::uint32_t defaultStackSize(LauncherContext& context)
{
    jni::JDK1_1InitArgs arguments{};
    arguments.version = jni::kVersion1_1;
    context.getDefaultJavaVMInitArgs(&arguments);
    return arguments.javaStackSize > 0 ? static_cast<std::uint32_t>(arguments.javaStackSize) : 0;
}
