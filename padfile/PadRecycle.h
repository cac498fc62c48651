// Erasing a pad file: it goes to the Recycle Bin, from which the user can bring the pad back.
#pragma once
#include <windows.h>

// Moves the file to the Recycle Bin, or deletes it when it cannot be moved there. A drive
// without a Recycle Bin (a network share, some removable drives) has the shell delete it for
// good. FALSE, with the file left in place, when it could be neither moved nor deleted (a pad
// holds it, it is gone...) and when it is read-only.
BOOL ErasePadFile(const char* pszPath);
