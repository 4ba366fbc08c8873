// The launcher's whole run, from the context's construction to its
// teardown; returns the process exit code.
#pragma once

int runLauncher();
