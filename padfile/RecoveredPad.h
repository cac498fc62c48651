// Where the text of a save that a crash cut short goes when another program has changed the
// pad file since: a pad of its own beside it, "Name (recovered).ql", so that neither text is
// lost and the user sees where the new pad came from.
#pragma once
#include "framework/CFileSystem.h"
#include "framework/CString.h"

// The n-th name tried for the pad's recovered text: "Name (recovered).ql" first, then
// "Name (recovered 2).ql" and so on.
CString RecoveredPadPath(const char* pszPadPath, int nCandidate);

// Writes and flushes the text as a new pad under the first of those names that is free, never
// over an existing file; one that already holds exactly this text, or nothing, is used as it
// is (an earlier opening may have stopped after making it). strPath receives the pad's path.
// FALSE, with GetLastError(), when the text could not be kept.
BOOL KeepRecoveredText(CFileSystem& fileSystem, const char* pszPadPath, const CString& strText,
                       CString& strPath);
