#include "padfile/PadFileLock.h"

namespace {
// About 200 ms in all before a held file counts as in use.
const int kLockTries = 10;
const DWORD kLockRetryMs = 20;

bool IsMomentary(DWORD dwError) {
    return dwError == ERROR_SHARING_VIOLATION || dwError == ERROR_LOCK_VIOLATION;
}
} // namespace

BOOL OpenPastMomentaryHolds(CFile& file, const char* pszPath, UINT nFlags) {
    for (int nTry = 1;; ++nTry) {
        if (file.Open(pszPath, nFlags))
            return TRUE;
        if (nTry == kLockTries || !IsMomentary(::GetLastError()))
            return FALSE;
        ::Sleep(kLockRetryMs);
    }
}

PadLockResult LockPadFile(CFile& file, const char* pszPath) {
    const UINT nFlags =
        CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite | CFile::shareDenyWrite;
    if (!OpenPastMomentaryHolds(file, pszPath, nFlags))
        return padLockFailed;
    const bool bExisted = ::GetLastError() == ERROR_ALREADY_EXISTS;
    if (!file.IsDiskFile()) {
        file.Close();
        return padLockNotAFile;
    }
    return bExisted ? padLockExisting : padLockCreated;
}

BOOL IsPadFileHeld(const char* pszPath) {
    CFile file;
    return !file.Open(pszPath, CFile::modeRead | CFile::shareDenyWrite);
}

BOOL PadFileExists(const char* pszPath) {
    CFile file;
    return file.Open(pszPath, CFile::modeRead | CFile::shareDenyNone);
}
