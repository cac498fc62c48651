// Everything an end-to-end test needs to run Quillow.exe and work it from outside as a user
// would. Every wait polls with a time limit; nothing here asserts, so tests decide what a
// failure means.
#pragma once

#include "Controls.h"
#include "Files.h"
#include "FindWindows.h"
#include "Ini.h"
#include "MessageBoxes.h"
#include "Processes.h"
#include "Wait.h"
