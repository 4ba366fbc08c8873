#include "vmhost/exception_report.h"

#include "launch/launcher_context.h"
#include "vmhost/jni_calls.h"

namespace {

void endJavaProgram(jni::JNIEnv* env)
{
    const jni::NativeInterface* table = env->functions;
    jni::jclass systemClass = table->FindClass(env, "java/lang/System");
    if (systemClass != nullptr) {
        jni::jmethodID exitMethod = table->GetStaticMethodID(env, systemClass, "exit", "(I)V");
        if (exitMethod != nullptr) {
            jni::callStaticVoidMethod(env, systemClass, exitMethod, static_cast<jni::jint>(-1));
        }
    }
    jni::describePendingException(env);
}

}  // namespace

std::string exceptionReportText(jni::JNIEnv* env, jni::jthrowable exception)
{
    const jni::NativeInterface* table = env->functions;
    jni::jobject bytes = jni::newInstance(env, "java/io/ByteArrayOutputStream", "()V", nullptr);
    if (bytes == nullptr) {
        return std::string();
    }
    jni::jobject printStream = jni::newInstance(env, "java/io/PrintStream", "(Ljava/io/OutputStream;)V", bytes);
    if (printStream == nullptr) {
        return std::string();
    }
    jni::jclass exceptionClass = table->GetObjectClass(env, exception);
    if (exceptionClass == nullptr) {
        return std::string();
    }
    jni::jmethodID printStackTrace =
        table->GetMethodID(env, exceptionClass, "printStackTrace", "(Ljava/io/PrintStream;)V");
    if (printStackTrace == nullptr) {
        return std::string();
    }
    jni::callVoidMethod(env, exception, printStackTrace, printStream);
    jni::describePendingException(env);

    jni::jclass bytesClass = table->GetObjectClass(env, bytes);
    if (bytesClass == nullptr) {
        return std::string();
    }
    jni::jmethodID toString = table->GetMethodID(env, bytesClass, "toString", "()Ljava/lang/String;");
    if (toString == nullptr) {
        return std::string();
    }
    jni::jstring rendered = jni::callObjectMethod(env, bytes, toString);
    jni::describePendingException(env);
    if (rendered == nullptr) {
        return std::string();
    }
    const char* characters = table->GetStringUTFChars(env, rendered, nullptr);
    if (characters == nullptr) {
        return std::string();
    }
    std::string text(characters);
    table->ReleaseStringUTFChars(env, rendered, characters);
    return text;
}

FailureDecision failureCheckDecision(LauncherContext&, jni::jthrowable exception, jni::JNIEnv* env)
{
    // The report has no reader in this launcher: it is made, then dropped.
    std::string report = exceptionReportText(env, exception);
    (void)report;
    return FailureDecision::continueRunning;
}

void runFailureCheck(LauncherContext& context, jni::jthrowable exception)
{
    if (failureCheckDecision(context, exception, context.jniEnv) == FailureDecision::stop) {
        endJavaProgram(context.jniEnv);
    }
}
