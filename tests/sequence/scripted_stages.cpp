#include "sequence/scripted_stages.h"

#include "config/configuration_keys.h"
#include "discovery/missing_runtime.h"
#include "discovery/runtime_search.h"
#include "instance/hand_off.h"
#include "instance/single_instance.h"
#include "launch/command_line.h"
#include "launch/launcher_context.h"
#include "service/service_host.h"
#include "vmhost/vm_environment.h"
#include "vmhost/vm_library.h"
#include "vmhost/vm_options.h"
#include "vmhost/vm_thread.h"

StageScript stageScript;
std::vector<std::string> stagesCalled;

namespace {

void called(const char* stage)
{
    stagesCalled.emplace_back(stage);
}

jni::jint TARN_JNICALL destroyJavaVM(jni::JavaVM*)
{
    called("DestroyJavaVM");
    return 0;
}

const jni::InvokeInterface scriptedInvokeInterface = {nullptr, nullptr, nullptr, destroyJavaVM,
                                                      nullptr, nullptr, nullptr, nullptr};
jni::JavaVM scriptedVm = {&scriptedInvokeInterface};

}  // namespace

void parseCommandLine(LauncherContext&)
{
    called("parseCommandLine");
}

bool setUpSingleInstance(LauncherContext& context)
{
    called("setUpSingleInstance");
    context.singleInstance = stageScript.singleInstance;
    context.isFirstInstance = stageScript.firstInstance;
    return stageScript.singleInstanceSetUp;
}

bool readConfiguration(LauncherContext& context)
{
    called("readConfiguration");
    context.overrideWorkingDir = stageScript.overrideWorkingDir;
    context.isService = stageScript.isService;
    return stageScript.configurationRead;
}

void applyWorkingDirOverride(LauncherContext&)
{
    called("applyWorkingDirOverride");
}

bool locateRuntime(LauncherContext& context)
{
    called("locateRuntime");
    if (stageScript.runtimeFound) {
        context.jvmLibraryPath = "jvm";
    }
    return stageScript.runtimeFound;
}

bool askForMissingRuntime(LauncherContext& context)
{
    called("askForMissingRuntime");
    if (stageScript.runtimeChosenInDialog) {
        context.jvmLibraryPath = "chosen jvm";
    }
    return stageScript.runtimeChosenInDialog;
}

ServiceHost* currentServiceHost = nullptr;

ServiceHost::ServiceHost()
{
    called("ServiceHost");
    currentServiceHost = this;
}

ServiceHost::~ServiceHost()
{
    called("~ServiceHost");
    currentServiceHost = nullptr;
}

bool resolveServiceName(LauncherContext&, ServiceHost&)
{
    called("resolveServiceName");
    return stageScript.serviceNameResolved;
}

int runServiceDispatcher(ServiceHost&)
{
    called("runServiceDispatcher");
    return stageScript.dispatcherExitCode;
}

int waitForReply(LauncherContext&)
{
    called("waitForReply");
    return stageScript.replyExitCode;
}

void stopListener(LauncherContext&)
{
    called("stopListener");
}

void prepareEnvironment(LauncherContext&)
{
    called("prepareEnvironment");
}

bool loadVmLibrary(LauncherContext&)
{
    called("loadVmLibrary");
    return stageScript.vmLibraryLoaded;
}

bool assembleVmOptions(LauncherContext&)
{
    called("assembleVmOptions");
    return stageScript.vmOptionsAssembled;
}

int runVmThread(LauncherContext& context)
{
    called("runVmThread");
    if (stageScript.vmCreated) {
        context.javaVM = &scriptedVm;
    }
    return stageScript.vmThreadExitCode;
}
