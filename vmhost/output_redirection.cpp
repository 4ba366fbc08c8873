#include "vmhost/output_redirection.h"

#include "launch/launcher_context.h"
#include "vmhost/java_strings.h"
#include "vmhost/jni_calls.h"

bool redirectStream(LauncherContext& context, const std::string& name, StandardStream stream)
{
    jni::JNIEnv* env = context.jniEnv;
    const jni::NativeInterface* table = env->functions;
    jni::jstring fileName = newPlatformString(env, name);
    if (fileName == nullptr) {
        return false;
    }
    jni::jobject fileStream = jni::newInstance(env, "java/io/FileOutputStream", "(Ljava/lang/String;)V", fileName);
    if (fileStream == nullptr) {
        return false;
    }
    jni::jobject printStream = jni::newInstance(env, "java/io/PrintStream", "(Ljava/io/OutputStream;)V", fileStream);
    if (printStream == nullptr) {
        return false;
    }
    jni::jclass systemClass = table->FindClass(env, "java/lang/System");
    if (systemClass == nullptr) {
        return false;
    }
    const char* setter = stream == StandardStream::output ? "setOut" : "setErr";
    jni::jmethodID install = table->GetStaticMethodID(env, systemClass, setter, "(Ljava/io/PrintStream;)V");
    if (install == nullptr) {
        return false;
    }
    jni::callStaticVoidMethod(env, systemClass, install, printStream);
    if (jni::exceptionPending(env)) {
        table->ExceptionDescribe(env);
        return false;
    }
    return true;
}
