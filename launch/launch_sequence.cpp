#include "launch/launch_sequence.h"

#include "config/configuration_keys.h"
#include "discovery/missing_runtime.h"
#include "discovery/runtime_search.h"
#include "instance/hand_off.h"
#include "instance/single_instance.h"
#include "launch/command_line.h"
#include "launch/launcher_context.h"
#include "vmhost/vm_environment.h"
#include "vmhost/vm_library.h"
#include "vmhost/vm_options.h"
#include "vmhost/vm_thread.h"

namespace {

bool isSecondStart(const LauncherContext& context)
{
    return context.singleInstance && !context.isFirstInstance;
}

}  // namespace

bool prepareLaunch(LauncherContext& context)
{
    parseCommandLine(context);
    if (!setUpSingleInstance(context)) {
        return false;
    }
    if (isSecondStart(context)) {
        // Its request is posted; the primary does the rest.
        return true;
    }
    if (!readConfiguration(context)) {
        return false;
    }
    if (context.overrideWorkingDir) {
        applyWorkingDirOverride(context);
    }
    if (locateRuntime(context)) {
        return true;
    }
    return askForMissingRuntime(context);
}

int runLaunch(LauncherContext& context)
{
    if (isSecondStart(context)) {
        return waitForReply(context);
    }
    prepareEnvironment(context);
    if (!loadVmLibrary(context)) {
        return -1;
    }
    if (!assembleVmOptions(context)) {
        return -1;
    }
    return runVmThread(context) == 0 ? 0 : -1;
}
