// Narrow strings handed to Java: decoded on the Java side, with its default
// character set, as the system's ANSI text.
#pragma once

#include <string>

#include "launch/string_list.h"
#include "vmhost/jni.h"

// A new local reference to a java.lang.String made from the text's bytes,
// or null (an exception may then be pending).
jni::jstring newPlatformString(jni::JNIEnv* env, const std::string& text);

// A new local reference to a String[] holding the list's entries in order,
// or null.
jni::jobjectArray newStringArray(jni::JNIEnv* env, const StringList& list);
