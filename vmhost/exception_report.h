// What happens after the main method ended by throwing, when the
// configuration asks for a failure check.
#pragma once

#include <string>

#include "vmhost/jni.h"

struct LauncherContext;

enum class FailureDecision { continueRunning, stop };

// The exception's full stack trace, as its own printStackTrace renders it,
// in modified UTF-8; empty when any step of the rendering fails.
std::string exceptionReportText(jni::JNIEnv* env, jni::jthrowable exception);

// Whether the launch goes on after `exception` ended main. This launcher
// renders the report, discards it and always goes on.
FailureDecision failureCheckDecision(LauncherContext& context, jni::jthrowable exception, jni::JNIEnv* env);

// Makes the failure check for `exception` and, when the decision is to
// stop, ends the Java program through System.exit(-1).
void runFailureCheck(LauncherContext& context, jni::jthrowable exception);
