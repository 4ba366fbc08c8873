// The variadic JNI calls, made through the table's argument-list forms.
#pragma once

#include "vmhost/jni.h"

namespace jni {

jobject newObject(JNIEnv* env, jclass type, jmethodID constructor, ...);
jobject callObjectMethod(JNIEnv* env, jobject object, jmethodID method, ...);
void callVoidMethod(JNIEnv* env, jobject object, jmethodID method, ...);
void callStaticVoidMethod(JNIEnv* env, jclass type, jmethodID method, ...);
jint callStaticIntMethod(JNIEnv* env, jclass type, jmethodID method, ...);

// A new object of `className` made by its constructor `signature`, given
// `argument` when not null; null when the class, the constructor or the
// object cannot be had (an exception may then be pending).
jobject newInstance(JNIEnv* env, const char* className, const char* signature, jobject argument);

// True when a Java exception is pending on `env`'s thread.
inline bool exceptionPending(JNIEnv* env)
{
    return env->functions->ExceptionOccurred(env) != nullptr;
}

// Prints the pending exception, if any, to the VM's error stream and clears it.
inline void describePendingException(JNIEnv* env)
{
    if (exceptionPending(env)) {
        env->functions->ExceptionDescribe(env);
    }
}

}  // namespace jni
