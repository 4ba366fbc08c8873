// Stand-ins for every stage that the launch sequence calls, linked in place
// of the real ones: each records its name and does what the script says, so
// that a test can follow the sequence down each of its paths.
#pragma once

#include <string>
#include <vector>

struct StageScript {
    bool singleInstanceSetUp = true;
    bool singleInstance = false;
    bool firstInstance = false;
    bool configurationRead = true;
    bool overrideWorkingDir = false;
    bool isService = false;
    bool runtimeFound = true;
    bool runtimeChosenInDialog = false;
    bool serviceNameResolved = true;
    int dispatcherExitCode = 0;
    int replyExitCode = 0;
    bool vmLibraryLoaded = true;
    bool vmOptionsAssembled = true;
    int vmThreadExitCode = 0;
    bool vmCreated = true;
};

// What the stages do in the next run, and the names of those that ran.
extern StageScript stageScript;
extern std::vector<std::string> stagesCalled;
