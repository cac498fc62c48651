// How Quillow's processes find one another: named mutexes that last as long as the processes
// that hold them.
#pragma once
#include <windows.h>

// Held by every Quillow process for its whole life: setup and the uninstaller wait until no
// process holds it.
#define QUILLOW_RUNNING_MUTEX "Marrowdale.Quillow.Running"
// Held by the contents process, of which there is one.
#define QUILLOW_CONTENTS_MUTEX "Marrowdale.Quillow.Contents"

// Shows the contents window of the process that holds QUILLOW_CONTENTS_MUTEX, as its tray
// menu's "Quillow Contents" does. FALSE when no such window appeared in time.
BOOL ShowRunningContents();

// When a running pad holds the file that a pad's command line names, brings that pad forward
// in place of a second pad on the file; FALSE when no pad holds it.
BOOL BringHolderForward(const char* pszCmdLine);
