// The parts of the published Java Native Interface that the launcher uses,
// declared here so that neither build depends on a JDK's headers. The
// function tables keep the published slot numbers; slots the launcher does
// not call are kept as anonymous padding.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#include "platform/jni_calling_convention.h"

namespace jni {

using jint = std::int32_t;
using jlong = std::int64_t;
using jbyte = std::int8_t;
using jboolean = std::uint8_t;
using jsize = jint;

struct ObjectData;
using jobject = ObjectData*;
using jclass = jobject;
using jstring = jobject;
using jthrowable = jobject;
using jarray = jobject;
using jobjectArray = jobject;
using jbyteArray = jobject;

struct MethodData;
using jmethodID = MethodData*;

union jvalue {
    jboolean z;
    jbyte b;
    std::uint16_t c;
    std::int16_t s;
    jint i;
    jlong j;
    float f;
    double d;
    jobject l;
};

constexpr jint kVersion1_1 = 0x00010001;
constexpr jint kVersion1_2 = 0x00010002;
constexpr jint kOk = 0;
constexpr jboolean kFalse = 0;
constexpr jboolean kTrue = 1;

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

// The native interface: slot n of the published table is at index n.
struct NativeInterface {
    void* reserved0to3[4];
    void* slots4to5[2];  // GetVersion, DefineClass
    jclass(TARN_JNICALL* FindClass)(JNIEnv* env, const char* name);                  // 6
    void* slots7to14[8];
    jthrowable(TARN_JNICALL* ExceptionOccurred)(JNIEnv* env);                        // 15
    void(TARN_JNICALL* ExceptionDescribe)(JNIEnv* env);                              // 16
    void(TARN_JNICALL* ExceptionClear)(JNIEnv* env);                                 // 17
    void* slots18to22[5];
    void(TARN_JNICALL* DeleteLocalRef)(JNIEnv* env, jobject object);                 // 23
    void* slots24to28[5];
    jobject(TARN_JNICALL* NewObjectV)(JNIEnv* env, jclass type, jmethodID constructor,
                                      va_list arguments);                            // 29
    void* slot30;
    jclass(TARN_JNICALL* GetObjectClass)(JNIEnv* env, jobject object);               // 31
    void* slot32;
    jmethodID(TARN_JNICALL* GetMethodID)(JNIEnv* env, jclass type, const char* name,
                                         const char* signature);                     // 33
    void* slot34;
    jobject(TARN_JNICALL* CallObjectMethodV)(JNIEnv* env, jobject object, jmethodID method,
                                             va_list arguments);                     // 35
    void* slots36to61[26];
    void(TARN_JNICALL* CallVoidMethodV)(JNIEnv* env, jobject object, jmethodID method,
                                        va_list arguments);                          // 62
    void* slots63to112[50];
    jmethodID(TARN_JNICALL* GetStaticMethodID)(JNIEnv* env, jclass type, const char* name,
                                               const char* signature);               // 113
    void* slots114to129[16];
    jint(TARN_JNICALL* CallStaticIntMethodV)(JNIEnv* env, jclass type, jmethodID method,
                                             va_list arguments);                     // 130
    void* slots131to141[11];
    void(TARN_JNICALL* CallStaticVoidMethodV)(JNIEnv* env, jclass type, jmethodID method,
                                              va_list arguments);                    // 142
    void(TARN_JNICALL* CallStaticVoidMethodA)(JNIEnv* env, jclass type, jmethodID method,
                                              const jvalue* arguments);              // 143
    void* slots144to168[25];
    const char*(TARN_JNICALL* GetStringUTFChars)(JNIEnv* env, jstring text,
                                                 jboolean* isCopy);                  // 169
    void(TARN_JNICALL* ReleaseStringUTFChars)(JNIEnv* env, jstring text,
                                              const char* characters);               // 170
    void* slot171;
    jobjectArray(TARN_JNICALL* NewObjectArray)(JNIEnv* env, jsize length, jclass elementType,
                                               jobject initialElement);              // 172
    void* slot173;
    void(TARN_JNICALL* SetObjectArrayElement)(JNIEnv* env, jobjectArray array, jsize index,
                                              jobject element);                      // 174
    void* slot175;
    jbyteArray(TARN_JNICALL* NewByteArray)(JNIEnv* env, jsize length);              // 176
    void* slots177to207[31];
    void(TARN_JNICALL* SetByteArrayRegion)(JNIEnv* env, jbyteArray array, jsize start,
                                           jsize length, const jbyte* bytes);        // 208
    void* slots209to232[24];
};

struct JNIEnv {
    const NativeInterface* functions;
};

struct JavaVMOption {
    char* optionString;
    void* extraInfo;
};

struct JavaVMInitArgs {
    jint version;
    jint nOptions;
    JavaVMOption* options;
    jboolean ignoreUnrecognized;
};

// The JNI 1.1 initialization record, which a VM still fills when asked for
// its defaults.
struct JDK1_1InitArgs {
    jint version;
    char** properties;
    jint checkSource;
    jint nativeStackSize;
    jint javaStackSize;
    jint minHeapSize;
    jint maxHeapSize;
    jint verifyMode;
    char* classpath;
    void* vfprintf;
    void* exit;
    void* abort;
    jint enableClassGC;
    jint enableVerboseGC;
    jint disableAsyncGC;
    jint verbose;
    jboolean debugging;
    jint debugPort;
};

using CreateJavaVMFunction = jint(TARN_JNICALL*)(JavaVM** vm, void** env, void* arguments);
using GetDefaultJavaVMInitArgsFunction = jint(TARN_JNICALL*)(void* arguments);

}  // namespace jni
