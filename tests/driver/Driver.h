// Everything an end-to-end test needs to run Quillow.exe and work it from outside as a user
// would, and to read what only the program's own process can (menus). It uses only Win32 and
// the C++ library. Every wait polls with a time limit; nothing here asserts, so tests decide
// what a failure means.
#pragma once

#include "Controls.h"
#include "Files.h"
#include "FindWindows.h"
#include "HelpViewer.h"
#include "Ini.h"
#include "Menus.h"
#include "MessageBoxes.h"
#include "PadLock.h"
#include "Processes.h"
#include "Wait.h"
