// The one record of a launch: configuration values, discovery results, VM
// handles and single-instance state. Every stage reads and writes it.
#pragma once

#include <cstdint>
#include <string>

#include "discovery/version_number.h"
#include "launch/string_list.h"
#include "platform/kernel_handle.h"
#include "vmhost/jni.h"

struct InstanceBlock;

struct LauncherContext {
    std::int32_t jvmType = 0;  // 0 default order, 1 server only, 2 server preferred
    std::string jvmLibraryPath;
    jni::JavaVM* javaVM = nullptr;
    jni::JNIEnv* jniEnv = nullptr;  // the VM thread's; used only there
    std::string mainClass;          // slash-separated
    VersionNumber minVersion;
    VersionNumber maxVersion;
    StringList arguments;
    bool isService = false;
    bool allowJdk = false;
    bool allowJre = false;
    bool favorSource = true;
    bool allowJRockit = false;
    bool allowSun = true;
    bool favorJRockit = false;
    bool favorSun = true;
    std::string productName;
    std::string productCode;
    std::string upgradeCode;
    StringList vmOptions;
    StringList preferredVersions;
    std::string configuredJrePath;
    std::string libraryPath;
    InstanceBlock* instanceBlock = nullptr;  // mapped view, released by stopListener
    platform::KernelHandle instanceMapping;
    platform::KernelHandle listenerThread;
    bool isFirstInstance = false;
    bool singleInstance = false;
    std::string outputFile;
    std::string errorFile;
    std::string systemPath;
    std::string extraArguments;
    bool failureCheck = false;
    bool overrideWorkingDir = false;
    std::uint32_t threadStackSize = 0;  // bytes; 0 asks the VM for its default
    platform::KernelHandle startedEvent;
    jni::CreateJavaVMFunction createJavaVM = nullptr;
    jni::GetDefaultJavaVMInitArgsFunction getDefaultJavaVMInitArgs = nullptr;
};

// Releases what the context holds, in the launch's order: the Java VM (which
// waits for the program's non-daemon threads), the single-instance share,
// the started event, then every string and list.
void tearDownContext(LauncherContext& context);
