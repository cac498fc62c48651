// A save that survives a power cut. Before a pad rewrites its file in place it writes the new
// text and the old one it replaces, with their lengths and a checksum, to a recovery file
// beside the pad and flushes it; the recovery file goes once the rewritten pad file is
// flushed. A pad that opens and finds a valid recovery file finishes the save that was cut
// short, unless another program has changed the pad file since; an invalid one was cut short
// itself, before the pad file was touched, and is dropped.
#pragma once
#include "framework/CFileSystem.h"
#include "framework/CString.h"

// The pad's file name with ".recovery" added: neither its long nor its short (8.3) name
// matches "*.ql", so no list of pads ever shows it.
CString RecoveryFilePath(const char* pszPadPath);

// Writes and flushes the recovery file of a save of strOld by strNew, each at most a pad's
// length; FALSE (and no file left) when it cannot be written.
BOOL WriteRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath, const CString& strOld,
                       const CString& strNew);

// What a valid recovery file holds.
struct RecoveredSave {
    CString strNew;
    CString strOld;
    // FALSE for a file of the first format, which held the new text only.
    BOOL bOldKnown = FALSE;
};

enum RecoveryState {
    // None there, or a folder of its name, which is left alone.
    recoveryNone,
    recoveryValid,
    // Cut short, or not a recovery file at all: the pad file was not touched after it.
    recoveryInvalid,
    // There, but it could not be read now; it may still be needed. GetLastError() tells why.
    recoveryUnreadable
};
// Reads the recovery file, waiting a moment when another process holds it.
RecoveryState ReadRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath,
                               RecoveredSave& save);
// Removes the recovery file, read-only or not.
void RemoveRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath);
// Keeps a recovery file with its pad when the pad file has been renamed, and drops one that
// the new name had.
void MoveRecoveryFile(const char* pszOldPadPath, const char* pszNewPadPath);
