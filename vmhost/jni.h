// The parts of the published Java Native Interface that the launcher uses,
// declared here so that neither build depends on a JDK's headers.
#pragma once

#include <cstdint>

#include "platform/jni_calling_convention.h"

namespace jni {

using jint = std::int32_t;

struct JavaVM;
struct JNIEnv;

// The invocation interface, in the order of the published function table.
struct InvokeInterface {
    void* reserved0;
    void* reserved1;
    void* reserved2;
    jint(TARN_JNICALL* DestroyJavaVM)(JavaVM* vm);
    jint(TARN_JNICALL* AttachCurrentThread)(JavaVM* vm, void** env, void* arguments);
    jint(TARN_JNICALL* DetachCurrentThread)(JavaVM* vm);
    jint(TARN_JNICALL* GetEnv)(JavaVM* vm, void** env, jint version);
    jint(TARN_JNICALL* AttachCurrentThreadAsDaemon)(JavaVM* vm, void** env, void* arguments);
};

struct JavaVM {
    const InvokeInterface* functions;
};

using CreateJavaVMFunction = jint(TARN_JNICALL*)(JavaVM** vm, void** env, void* arguments);
using GetDefaultJavaVMInitArgsFunction = jint(TARN_JNICALL*)(void* arguments);

}  // namespace jni
