// Deciding whether this start is the primary instance or a second start.
#pragma once

struct LauncherContext;

// Sets `singleInstance` and `isFirstInstance`. False ends the launch with -1.
bool setUpSingleInstance(LauncherContext& context);
