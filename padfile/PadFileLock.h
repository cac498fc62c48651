// How processes share a pad file. A running pad holds its file open for reading and writing
// with write sharing denied, and never shares delete access: that open file is the lock by
// which every other process tells that the pad is in use. Each test below uses its own
// share mode on purpose.
#pragma once
#include <windows.h>

#include "framework/CFile.h"

enum PadLockResult {
    padLockExisting,
    padLockCreated,
    // GetLastError() tells why: another pad holds the file, it is read-only, its folder is
    // missing...
    padLockFailed,
    // The name opens a device, not a file.
    padLockNotAFile
};

// Opens the file with CFile's flags. A file that another process holds only for a moment (a
// copy, a backup, the contents window's in-use test) is tried again for a short while.
BOOL OpenPastMomentaryHolds(CFile& file, const char* pszPath, UINT nFlags);
// Opens the pad file and takes its lock, making a new empty file when there is none; an
// existing file is never truncated. A file held for a moment is waited for.
PadLockResult LockPadFile(CFile& file, const char* pszPath);
// Whether a pad holds the file: it cannot be opened for reading with write sharing denied.
// Anything that cannot be opened at all counts as held too. This never waits.
BOOL IsPadFileHeld(const char* pszPath);
// Whether the file exists, also while its own pad holds it: it can be opened for reading
// beside any other opener.
BOOL PadFileExists(const char* pszPath);
