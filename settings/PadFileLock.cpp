#include "settings/PadFileLock.h"

BOOL LockPadFile(CFile& file, const char* pszPath, BOOL bCreate) {
    UINT nFlags = CFile::modeReadWrite | CFile::shareDenyWrite;
    return file.Open(pszPath, bCreate ? nFlags | CFile::modeCreate : nFlags);
}

BOOL IsPadFileHeld(const char* pszPath) {
    CFile file;
    return !file.Open(pszPath, CFile::modeRead | CFile::shareDenyWrite);
}

BOOL PadFileExists(const char* pszPath) {
    CFile file;
    return file.Open(pszPath, CFile::modeRead | CFile::shareDenyNone);
}
