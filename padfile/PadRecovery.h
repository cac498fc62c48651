// A save that survives a power cut. Before a pad rewrites its file in place it writes the new
// text, with its length and a checksum, to a recovery file beside the pad and flushes it; the
// recovery file goes once the rewritten pad file is flushed. A pad that opens and finds a
// valid recovery file finishes the save that was cut short; an invalid one was cut short
// itself, before the pad file was touched, and is dropped.
#pragma once
#include "framework/CFileSystem.h"
#include "framework/CString.h"

// The pad's file name with ".recovery" added: neither its long nor its short (8.3) name
// matches "*.ql", so no list of pads ever shows it.
CString RecoveryFilePath(const char* pszPadPath);

// Writes and flushes the recovery file; FALSE (and no file left) when it cannot be written.
BOOL WriteRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath, const CString& strText);

enum RecoveryState {
    recoveryNone,
    recoveryValid,
    // Cut short, or not a recovery file at all: the pad file was not touched after it.
    recoveryInvalid,
    // There, but it could not be read now; it may still be needed.
    recoveryUnreadable
};
// Reads the recovery file; strText receives its text when it is valid.
RecoveryState ReadRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath, CString& strText);
void RemoveRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath);
// Keeps a recovery file with its pad when the pad file has been renamed, and drops one that
// the new name had.
void MoveRecoveryFile(const char* pszOldPadPath, const char* pszNewPadPath);
