// The launcher's own JNI declarations against the JDK's published header:
// every slot and field it uses sits where a VM expects it.
#include "vmhost/jni.h"

#include <jni.h>

#include <cstddef>

#include <gtest/gtest.h>

namespace {

#define TARN_SAME_OFFSET(ours, theirs, member) \
    EXPECT_EQ(offsetof(ours, member), offsetof(theirs, member)) << #member

TEST(JniDeclarations, NativeInterfaceSlotsMatchThePublishedTable)
{
#define TARN_NATIVE_SLOT(member) TARN_SAME_OFFSET(jni::NativeInterface, JNINativeInterface_, member)
    TARN_NATIVE_SLOT(FindClass);
    TARN_NATIVE_SLOT(ExceptionOccurred);
    TARN_NATIVE_SLOT(ExceptionDescribe);
    TARN_NATIVE_SLOT(ExceptionClear);
    TARN_NATIVE_SLOT(DeleteLocalRef);
    TARN_NATIVE_SLOT(NewObjectV);
    TARN_NATIVE_SLOT(GetObjectClass);
    TARN_NATIVE_SLOT(GetMethodID);
    TARN_NATIVE_SLOT(CallObjectMethodV);
    TARN_NATIVE_SLOT(CallVoidMethodV);
    TARN_NATIVE_SLOT(GetStaticMethodID);
    TARN_NATIVE_SLOT(CallStaticIntMethodV);
    TARN_NATIVE_SLOT(CallStaticVoidMethodV);
    TARN_NATIVE_SLOT(CallStaticVoidMethodA);
    TARN_NATIVE_SLOT(GetStringUTFChars);
    TARN_NATIVE_SLOT(ReleaseStringUTFChars);
    TARN_NATIVE_SLOT(NewObjectArray);
    TARN_NATIVE_SLOT(SetObjectArrayElement);
    TARN_NATIVE_SLOT(NewByteArray);
    TARN_NATIVE_SLOT(SetByteArrayRegion);
#undef TARN_NATIVE_SLOT
}

TEST(JniDeclarations, InvokeInterfaceSlotsMatchThePublishedTable)
{
#define TARN_INVOKE_SLOT(member) TARN_SAME_OFFSET(jni::InvokeInterface, JNIInvokeInterface_, member)
    TARN_INVOKE_SLOT(DestroyJavaVM);
    TARN_INVOKE_SLOT(AttachCurrentThread);
    TARN_INVOKE_SLOT(DetachCurrentThread);
    TARN_INVOKE_SLOT(GetEnv);
    TARN_INVOKE_SLOT(AttachCurrentThreadAsDaemon);
#undef TARN_INVOKE_SLOT
}

TEST(JniDeclarations, InitializationRecordsMatchThePublishedOnes)
{
    EXPECT_EQ(sizeof(jni::JavaVMInitArgs), sizeof(::JavaVMInitArgs));
    TARN_SAME_OFFSET(jni::JavaVMInitArgs, ::JavaVMInitArgs, version);
    TARN_SAME_OFFSET(jni::JavaVMInitArgs, ::JavaVMInitArgs, nOptions);
    TARN_SAME_OFFSET(jni::JavaVMInitArgs, ::JavaVMInitArgs, options);
    TARN_SAME_OFFSET(jni::JavaVMInitArgs, ::JavaVMInitArgs, ignoreUnrecognized);
    EXPECT_EQ(sizeof(jni::JavaVMOption), sizeof(::JavaVMOption));
    TARN_SAME_OFFSET(jni::JavaVMOption, ::JavaVMOption, optionString);
    TARN_SAME_OFFSET(jni::JavaVMOption, ::JavaVMOption, extraInfo);
    EXPECT_EQ(sizeof(jni::jvalue), sizeof(::jvalue));
}

TEST(JniDeclarations, ScalarTypesAndConstantsMatch)
{
    EXPECT_EQ(sizeof(jni::jint), sizeof(::jint));
    EXPECT_EQ(sizeof(jni::jlong), sizeof(::jlong));
    EXPECT_EQ(sizeof(jni::jbyte), sizeof(::jbyte));
    EXPECT_EQ(sizeof(jni::jboolean), sizeof(::jboolean));
    EXPECT_EQ(jni::kVersion1_1, JNI_VERSION_1_1);
    EXPECT_EQ(jni::kVersion1_2, JNI_VERSION_1_2);
    EXPECT_EQ(jni::kOk, JNI_OK);
    EXPECT_EQ(jni::kFalse, JNI_FALSE);
}

}  // namespace
