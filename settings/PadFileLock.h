// How processes share a pad file. A running pad holds its file open for reading and writing
// with write sharing denied, and never shares delete access: that open file is the lock by
// which every other process tells that the pad is in use. Each test below uses its own
// share mode on purpose.
#pragma once
#include <windows.h>

#include "framework/CFile.h"

// Opens the pad file and takes its lock: an existing file, or a new empty one when bCreate is
// set. Fails while another pad holds the file.
BOOL LockPadFile(CFile& file, const char* pszPath, BOOL bCreate);
// Whether a pad holds the file: it cannot be opened for reading with write sharing denied.
// Anything that cannot be opened at all counts as held too.
BOOL IsPadFileHeld(const char* pszPath);
// Whether the file exists, also while its own pad holds it: it can be opened for reading
// beside any other opener.
BOOL PadFileExists(const char* pszPath);
