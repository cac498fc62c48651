// Which file a path or an open handle names, whatever the spelling of its path: the volume's
// serial number and the file's index on it, which stay the same for the file's whole life.
#pragma once
#include <windows.h>

struct PadFileIdentity {
    DWORD dwVolumeSerial;
    DWORD dwIndexHigh;
    DWORD dwIndexLow;
};

// FALSE when the handle's file system gives no identity.
BOOL GetHandleIdentity(HANDLE hFile, PadFileIdentity& identity);
// The identity of the file the path names; FALSE when it cannot be opened at all. It opens the
// file beside any other opener, a pad holding it included, and reads nothing.
BOOL GetPathIdentity(const char* pszPath, PadFileIdentity& identity);
bool IsSameFile(const PadFileIdentity& a, const PadFileIdentity& b);
