// How Quillow's processes find one another: named mutexes that last as long as the processes
// that hold them.
#pragma once
#include <windows.h>

#include "framework/CMutex.h"

// Held by every Quillow process for its whole life: setup and the uninstaller wait until no
// process holds it.
#define QUILLOW_RUNNING_MUTEX "Marrowdale.Quillow.Running"
// Owned by the contents process, of which there is one.
#define QUILLOW_CONTENTS_MUTEX "Marrowdale.Quillow.Contents"

// Whether this process is to run the contents window: TRUE once it owns QUILLOW_CONTENTS_MUTEX
// (or the mutex cannot be made, and nothing tells of another), at once or after the process
// that owned it has ended. FALSE when the running contents window showed itself instead, or
// did not answer in time.
BOOL ClaimContents(CMutex& mtxContents);

// When a running pad holds the file that a pad's command line names, brings that pad forward
// in place of a second pad on the file; FALSE when no pad holds it.
BOOL BringHolderForward(const char* pszCmdLine);
