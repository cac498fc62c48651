#include "padfile/PadFileIdentity.h"

BOOL GetHandleIdentity(HANDLE hFile, PadFileIdentity& identity) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(hFile, &info))
        return FALSE;
    identity.dwVolumeSerial = info.dwVolumeSerialNumber;
    identity.dwIndexHigh = info.nFileIndexHigh;
    identity.dwIndexLow = info.nFileIndexLow;
    return TRUE;
}

BOOL GetPathIdentity(const char* pszPath, PadFileIdentity& identity) {
    const DWORD dwShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE hFile = ::CreateFileA(pszPath, FILE_READ_ATTRIBUTES, dwShareAll, NULL, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL bKnown = GetHandleIdentity(hFile, identity);
    ::CloseHandle(hFile);
    return bKnown;
}

bool IsSameFile(const PadFileIdentity& a, const PadFileIdentity& b) {
    return a.dwVolumeSerial == b.dwVolumeSerial && a.dwIndexHigh == b.dwIndexHigh &&
           a.dwIndexLow == b.dwIndexLow;
}
