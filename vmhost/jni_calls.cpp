#include "vmhost/jni_calls.h"

namespace jni {

jobject newObject(JNIEnv* env, jclass type, jmethodID constructor, ...)
{
    va_list arguments;
    va_start(arguments, constructor);
    jobject result = env->functions->NewObjectV(env, type, constructor, arguments);
    va_end(arguments);
    return result;
}

jobject callObjectMethod(JNIEnv* env, jobject object, jmethodID method, ...)
{
    va_list arguments;
    va_start(arguments, method);
    jobject result = env->functions->CallObjectMethodV(env, object, method, arguments);
    va_end(arguments);
    return result;
}

void callVoidMethod(JNIEnv* env, jobject object, jmethodID method, ...)
{
    va_list arguments;
    va_start(arguments, method);
    env->functions->CallVoidMethodV(env, object, method, arguments);
    va_end(arguments);
}

void callStaticVoidMethod(JNIEnv* env, jclass type, jmethodID method, ...)
{
    va_list arguments;
    va_start(arguments, method);
    env->functions->CallStaticVoidMethodV(env, type, method, arguments);
    va_end(arguments);
}

jint callStaticIntMethod(JNIEnv* env, jclass type, jmethodID method, ...)
{
    va_list arguments;
    va_start(arguments, method);
    jint result = env->functions->CallStaticIntMethodV(env, type, method, arguments);
    va_end(arguments);
    return result;
}

jobject newInstance(JNIEnv* env, const char* className, const char* signature, jobject argument)
{
    jclass type = env->functions->FindClass(env, className);
    if (type == nullptr) {
        return nullptr;
    }
    jmethodID constructor = env->functions->GetMethodID(env, type, "<init>", signature);
    if (constructor == nullptr) {
        return nullptr;
    }
    return argument == nullptr ? newObject(env, type, constructor) : newObject(env, type, constructor, argument);
}

}  // namespace jni
