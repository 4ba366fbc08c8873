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
    jni::jclass fileStreamClass = table->FindClass(env, "java/io/FileOutputStream");
    if (fileStreamClass == nullptr) {
        return false;
    }
    jni::jmethodID fileStreamConstructor = table->GetMethodID(env, fileStreamClass, "<init>", "(Ljava/lang/String;)V");
    if (fileStreamConstructor == nullptr) {
        return false;
    }
    jni::jobject fileStream = jni::newObject(env, fileStreamClass, fileStreamConstructor, fileName);
    if (fileStream == nullptr) {
        return false;
    }
    jni::jclass printStreamClass = table->FindClass(env, "java/io/PrintStream");
    if (printStreamClass == nullptr) {
        return false;
    }
    jni::jmethodID printStreamConstructor = table->GetMethodID(env, printStreamClass, "<init>", "(Ljava/io/OutputStream;)V");
    if (printStreamConstructor == nullptr) {
        return false;
    }
    jni::jobject printStream = jni::newObject(env, printStreamClass, printStreamConstructor, fileStream);
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
