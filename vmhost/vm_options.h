// The option list handed to the Java VM.
#pragma once

struct LauncherContext;

// Builds `vmOptions`. False (message printed) only when no class path is configured.
bool assembleVmOptions(LauncherContext& context);
