// The runtime library's argument vector is not used: the launcher reads the
// process's command line and splits it by its own rule.

#include "launch/entry_point.h"

int main()
{
    return runLauncher();
}
