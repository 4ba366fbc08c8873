#include "vmhost/main_invocation.h"

#include "launch/launcher_context.h"
#include "launch/messages.h"
#include "platform/event.h"
#include "vmhost/exception_report.h"
#include "vmhost/java_strings.h"
#include "vmhost/jni_calls.h"

namespace {

bool detachFromVm(LauncherContext& context)
{
    return context.javaVM->functions->DetachCurrentThread(context.javaVM) == jni::kOk;
}

// The thread detaches even when main could not be called, so that the
// teardown's DestroyJavaVM does not wait for a thread that has ended.
bool failBeforeMain(LauncherContext& context)
{
    detachFromVm(context);
    return false;
}

bool failWithDescription(LauncherContext& context)
{
    jni::describePendingException(context.jniEnv);
    return failBeforeMain(context);
}

}  // namespace

bool invokeMain(LauncherContext& context)
{
    jni::JNIEnv* env = context.jniEnv;
    const jni::NativeInterface* table = env->functions;

    jni::jstring className = newPlatformString(env, context.mainClass);
    if (className == nullptr) {
        printError(formatMessage(msgMainClassLoadFailed, context.mainClass));
        return failBeforeMain(context);
    }
    const char* classNameUtf = table->GetStringUTFChars(env, className, nullptr);
    if (classNameUtf == nullptr) {
        return failWithDescription(context);
    }
    jni::jclass mainClass = table->FindClass(env, classNameUtf);
    if (mainClass == nullptr) {
        jni::describePendingException(env);
        printError(formatMessage(msgMainClassNotFound, context.mainClass));
        table->ReleaseStringUTFChars(env, className, classNameUtf);
        return failBeforeMain(context);
    }
    table->ReleaseStringUTFChars(env, className, classNameUtf);

    jni::jmethodID mainMethod = table->GetStaticMethodID(env, mainClass, "main", "([Ljava/lang/String;)V");
    if (mainMethod == nullptr) {
        if (jni::exceptionPending(env)) {
            return failWithDescription(context);
        }
        printError(loadMessage(msgMainMethodMissing));
        return failBeforeMain(context);
    }
    jni::jobjectArray arguments = newStringArray(env, context.arguments);
    if (arguments == nullptr) {
        return failWithDescription(context);
    }
    if (context.startedEvent) {
        platform::signalEvent(context.startedEvent);
    }
    jni::callStaticVoidMethod(env, mainClass, mainMethod, arguments);

    jni::jthrowable thrown = table->ExceptionOccurred(env);
    if (thrown != nullptr) {
        table->ExceptionDescribe(env);
        if (context.failureCheck) {
            runFailureCheck(context, thrown);
        }
    }
    return detachFromVm(context);
}
