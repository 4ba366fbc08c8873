#include "vmhost/vm_creation.h"

#include <vector>

#include "launch/launcher_context.h"
#include "launch/messages.h"
#include "vmhost/jni_calls.h"
#include "vmhost/output_redirection.h"

namespace {

void redirectIfNamed(LauncherContext& context, const std::string& name, StandardStream stream)
{
    if (!name.empty() && !redirectStream(context, name, stream)) {
        jni::describePendingException(context.jniEnv);
    }
}

}  // namespace

std::string creationFailureReason(jni::jint result)
{
    switch (result) {
    case -1: return loadMessage(msgReasonUnknown);
    case -2: return loadMessage(msgReasonThreadDetached);
    case -3: return loadMessage(msgReasonVersionError);
    case -4: return loadMessage(msgReasonNotEnoughMemory);
    case -5: return loadMessage(msgReasonAlreadyCreated);
    case -6: return loadMessage(msgReasonInvalidArguments);
    default: return std::string();
    }
}

bool createVm(LauncherContext& context)
{
    // The option texts stay in vmOptions; the array lives only for the call.
    std::vector<jni::JavaVMOption> options;
    options.reserve(context.vmOptions.size());
    for (std::string& option : context.vmOptions) {
        options.push_back(jni::JavaVMOption{option.data(), nullptr});
    }
    jni::JavaVMInitArgs arguments{};
    arguments.version = jni::kVersion1_2;
    arguments.nOptions = static_cast<jni::jint>(options.size());
    arguments.options = options.data();
    arguments.ignoreUnrecognized = jni::kFalse;

    jni::jint result = context.createJavaVM(&context.javaVM, reinterpret_cast<void**>(&context.jniEnv), &arguments);
    if (result != jni::kOk) {
        printError(formatMessage(msgJniException, loadMessage(msgVmCreationFailed), creationFailureReason(result)));
        return false;
    }
    redirectIfNamed(context, context.outputFile, StandardStream::output);
    redirectIfNamed(context, context.errorFile, StandardStream::error);
    return true;
}
