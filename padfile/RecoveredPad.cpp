#include "padfile/RecoveredPad.h"

#include <windows.h>

#include "framework/CFile.h"
#include "framework/PathParts.h"
#include "padfile/PadFile.h"
#include "padfile/PadFileLock.h"

namespace {
// Beyond this many the folder is not one a pad can be kept in.
const int kMaxCandidates = 100;
} // namespace

CString RecoveredPadPath(const char* pszPadPath, int nCandidate) {
    PathParts parts = SplitPath(pszPadPath);
    CString strCount = nCandidate > 1 ? " " + CString::FromInt(nCandidate) : CString();
    return parts.strDrive + parts.strFolder + parts.strName + " (recovered" + strCount + ").ql";
}

BOOL KeepRecoveredText(CFileSystem& fileSystem, const char* pszPadPath, const CString& strText,
                       CString& strPath) {
    const UINT nFlags =
        CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite | CFile::shareExclusive;
    for (int n = 1; n <= kMaxCandidates; ++n) {
        strPath = RecoveredPadPath(pszPadPath, n);
        CFile file(fileSystem);
        if (!OpenPastMomentaryHolds(file, strPath, nFlags)) {
            // Something of that name that cannot be opened (a running pad, a folder) is not
            // ours either; a name that cannot be made at all means none can.
            DWORD dwError = ::GetLastError();
            if (::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES)
                continue;
            ::SetLastError(dwError);
            return FALSE;
        }
        if (::GetLastError() == ERROR_ALREADY_EXISTS) {
            CString strThere;
            PadReadResult read = ReadPadFile(file, strThere);
            if (read == padReadOk && strThere == strText)
                return TRUE;
            if (read != padReadOk || !strThere.IsEmpty())
                continue;
        }
        return WriteNewFile(file, fileSystem, strPath, strText);
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return FALSE;
}
