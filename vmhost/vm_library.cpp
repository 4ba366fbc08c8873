#include "vmhost/vm_library.h"

#include "launch/launcher_context.h"
#include "launch/messages.h"
#include "platform/dynamic_library.h"
#include "platform/last_error.h"

namespace {

void reportMissingExport()
{
    // Taken first: loading the message text may change the last error.
    std::uint32_t error = platform::lastErrorCode();
    printError(formatMessage(msgWindowsException, loadMessage(msgCreateJavaVmMissing), error));
}

}  // namespace

bool loadVmLibrary(LauncherContext& context)
{
    // The library stays loaded for the life of the process: its handle is not kept.
    void* library = platform::loadLibrary(context.jvmLibraryPath);
    if (library == nullptr) {
        printError(formatMessage(msgVmLibraryLoadFailed, context.jvmLibraryPath, platform::lastErrorCode()));
        return false;
    }
    context.createJavaVM =
        reinterpret_cast<jni::CreateJavaVMFunction>(platform::librarySymbol(library, "JNI_CreateJavaVM"));
    if (context.createJavaVM == nullptr) {
        reportMissingExport();
        return false;
    }
    context.getDefaultJavaVMInitArgs = reinterpret_cast<jni::GetDefaultJavaVMInitArgsFunction>(
        platform::librarySymbol(library, "JNI_GetDefaultJavaVMInitArgs"));
    if (context.getDefaultJavaVMInitArgs == nullptr) {
        reportMissingExport();
        return false;
    }
    return true;
}
