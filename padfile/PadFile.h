// The text of a pad in its open, locked file: read in one piece, and rewritten in place in a
// way that neither a failure nor a crash can leave half written.
#pragma once
#include "framework/CFile.h"
#include "framework/CString.h"

// The largest pad file that opens, and so the most a pad writes.
const int kMaxPadLength = 32768;

enum PadReadResult {
    padReadOk,
    padReadTooLarge,
    // The length or the bytes could not be read; GetLastError() tells why.
    padReadFailed
};

// Reads the whole file from its start into strBytes, exactly.
PadReadResult ReadPadFile(CFile& file, CString& strBytes);

enum PadRecoveryResult {
    // No save to finish, or it is finished now.
    padRecoveryDone,
    // Another program changed the pad file after the save was cut short: the file stays as it
    // is, and the text the save was writing is now a pad of its own at strPath.
    padRecoveryKeptApart,
    // The file at strPath (the pad file, its recovery file or the pad that was to keep the
    // recovered text) could not be read, or written; GetLastError() tells why. The recovery
    // file stays for the next time.
    padRecoveryReadFailed,
    padRecoveryWriteFailed
};
// Finishes a save of the pad at pszPath that a crash cut short, from its recovery file. A
// recovered text that no pad could open again is never applied, and its file is left alone.
PadRecoveryResult RecoverPadFile(CFile& file, const char* pszPath, CString& strPath);

// Writes the data to a file this process has just made at pszPath and commits it to the disk.
// On FALSE the file is removed again, and GetLastError() tells why the data could not be written.
BOOL WriteNewFile(CFile& file, CFileSystem& fileSystem, const char* pszPath,
                  const CString& strData);

// Replaces the file's contents strOld by strNew and commits them to the disk, with a recovery
// file beside it meanwhile. On FALSE the file holds strOld again (as far as the disk lets it
// be written back) and GetLastError() tells why the new text could not be written.
BOOL SavePadFile(CFile& file, const char* pszPath, const CString& strOld, const CString& strNew);
