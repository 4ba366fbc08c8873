#include "vmhost/java_strings.h"

#include "vmhost/jni_calls.h"

jni::jstring newPlatformString(jni::JNIEnv* env, const std::string& text)
{
    const jni::NativeInterface* table = env->functions;
    jni::jclass stringClass = table->FindClass(env, "java/lang/String");
    if (stringClass == nullptr) {
        return nullptr;
    }
    jni::jmethodID constructor = table->GetMethodID(env, stringClass, "<init>", "([B)V");
    if (constructor == nullptr) {
        return nullptr;
    }
    auto length = static_cast<jni::jsize>(text.size());
    jni::jbyteArray bytes = table->NewByteArray(env, length);
    if (bytes == nullptr) {
        return nullptr;
    }
    table->SetByteArrayRegion(env, bytes, 0, length, reinterpret_cast<const jni::jbyte*>(text.data()));
    jni::jstring result = nullptr;
    if (!jni::exceptionPending(env)) {
        result = jni::newObject(env, stringClass, constructor, bytes);
    }
    table->DeleteLocalRef(env, bytes);
    return result;
}

jni::jobjectArray newStringArray(jni::JNIEnv* env, const StringList& list)
{
    const jni::NativeInterface* table = env->functions;
    jni::jclass stringClass = table->FindClass(env, "java/lang/String");
    if (stringClass == nullptr) {
        return nullptr;
    }
    auto length = static_cast<jni::jsize>(list.size());
    jni::jobjectArray array = table->NewObjectArray(env, length, stringClass, nullptr);
    if (array == nullptr) {
        return nullptr;
    }
    for (jni::jsize index = 0; index < length; ++index) {
        jni::jstring element = newPlatformString(env, list[static_cast<std::size_t>(index)]);
        if (element == nullptr) {
            return nullptr;
        }
        table->SetObjectArrayElement(env, array, index, element);
        table->DeleteLocalRef(env, element);
    }
    return array;
}
