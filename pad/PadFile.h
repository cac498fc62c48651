// The text of a pad in its open, locked file: read in one piece, and rewritten in place so
// that a failure leaves the old text on disk.
#pragma once
#include "framework/CFile.h"
#include "framework/CString.h"

// The largest pad file that opens; the edit control is limited to as many characters.
const int kMaxPadLength = 32768;

enum PadReadResult {
    padReadOk,
    padReadTooLarge,
    // The length or the bytes could not be read; GetLastError() tells why.
    padReadFailed
};

// Reads the whole file from its start. strBytes receives the file exactly, strText the text
// up to the first NUL byte, as an edit control would hold it.
PadReadResult ReadPadFile(CFile& file, CString& strBytes, CString& strText);

// Replaces the file's contents strOld by strNew and commits them to the disk. On FALSE the
// file holds strOld again (as far as the disk lets it be written back) and GetLastError()
// tells why the new text could not be written.
BOOL RewritePadFile(CFile& file, const CString& strOld, const CString& strNew);
