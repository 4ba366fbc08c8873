#include <gtest/gtest.h>

#include <functional>

#include "launch/entry_point.h"
#include "sequence/scripted_stages.h"

namespace {

using Stages = std::vector<std::string>;

struct SequenceCase {
    const char* name;
    std::function<void(StageScript&)> script;
    Stages stages;
    int exitCode;
};

// Every run starts and ends the same way.
const Stages kStart = {"ServiceHost", "parseCommandLine", "setUpSingleInstance"};
const Stages kPrepared = {"readConfiguration", "locateRuntime"};
const Stages kRun = {"prepareEnvironment", "loadVmLibrary", "assembleVmOptions", "runVmThread"};

Stages operator+(Stages first, const Stages& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class LaunchSequence : public testing::TestWithParam<SequenceCase> {};

TEST_P(LaunchSequence, CallsItsStagesInOrderAndEndsWithTheirExitCode)
{
    stageScript = StageScript();
    stagesCalled.clear();
    GetParam().script(stageScript);

    int exitCode = runLauncher();

    EXPECT_EQ(stagesCalled, GetParam().stages);
    EXPECT_EQ(exitCode, GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LaunchSequence,
    testing::Values(
        SequenceCase{"ordinaryLaunch", [](StageScript&) {},
                     kStart + kPrepared + kRun + Stages{"~ServiceHost", "DestroyJavaVM"}, 0},
        SequenceCase{"singleInstanceSetUpFails", [](StageScript& s) { s.singleInstanceSetUp = false; },
                     kStart + Stages{"~ServiceHost"}, -1},
        SequenceCase{"secondStartWaitsForTheReplyAndReadsNothing",
                     [](StageScript& s) {
                         s.singleInstance = true;
                         s.replyExitCode = 7;
                     },
                     kStart + Stages{"waitForReply", "~ServiceHost", "stopListener"}, 7},
        SequenceCase{"primaryInstanceRunsAndStopsItsListenerAfterTheVm",
                     [](StageScript& s) {
                         s.singleInstance = true;
                         s.firstInstance = true;
                     },
                     kStart + kPrepared + kRun + Stages{"~ServiceHost", "DestroyJavaVM", "stopListener"}, 0},
        SequenceCase{"configurationFails", [](StageScript& s) { s.configurationRead = false; },
                     kStart + Stages{"readConfiguration", "~ServiceHost"}, -1},
        SequenceCase{"workingDirectoryOverriddenBeforeTheSearch",
                     [](StageScript& s) { s.overrideWorkingDir = true; },
                     kStart + Stages{"readConfiguration", "applyWorkingDirOverride", "locateRuntime"} + kRun +
                         Stages{"~ServiceHost", "DestroyJavaVM"},
                     0},
        SequenceCase{"noRuntimeAndDialogCancelled", [](StageScript& s) { s.runtimeFound = false; },
                     kStart + kPrepared + Stages{"askForMissingRuntime", "~ServiceHost"}, -1},
        SequenceCase{"noRuntimeAndOneChosenInTheDialog",
                     [](StageScript& s) {
                         s.runtimeFound = false;
                         s.runtimeChosenInDialog = true;
                     },
                     kStart + kPrepared + Stages{"askForMissingRuntime"} + kRun +
                         Stages{"~ServiceHost", "DestroyJavaVM"},
                     0},
        SequenceCase{"serviceRunsTheDispatcherInsteadOfTheLaunch",
                     [](StageScript& s) {
                         s.isService = true;
                         s.dispatcherExitCode = 0;
                     },
                     kStart + kPrepared + Stages{"resolveServiceName", "runServiceDispatcher", "~ServiceHost"}, 0},
        SequenceCase{"serviceNameNotDerivable",
                     [](StageScript& s) {
                         s.isService = true;
                         s.serviceNameResolved = false;
                     },
                     kStart + kPrepared + Stages{"resolveServiceName", "~ServiceHost"}, -1},
        SequenceCase{"vmLibraryNotLoaded", [](StageScript& s) { s.vmLibraryLoaded = false; },
                     kStart + kPrepared + Stages{"prepareEnvironment", "loadVmLibrary", "~ServiceHost"}, -1},
        SequenceCase{"noClassPathStartsNoVmThread", [](StageScript& s) { s.vmOptionsAssembled = false; },
                     kStart + kPrepared + Stages{"prepareEnvironment", "loadVmLibrary", "assembleVmOptions", "~ServiceHost"},
                     -1},
        SequenceCase{"vmNotCreated",
                     [](StageScript& s) {
                         s.vmThreadExitCode = 1;
                         s.vmCreated = false;
                     },
                     kStart + kPrepared + kRun + Stages{"~ServiceHost"}, -1},
        SequenceCase{"vmThreadFailsAfterTheVmWasCreated", [](StageScript& s) { s.vmThreadExitCode = 1; },
                     kStart + kPrepared + kRun + Stages{"~ServiceHost", "DestroyJavaVM"}, -1}),
    [](const testing::TestParamInfo<SequenceCase>& info) { return std::string(info.param.name); });

}  // namespace
