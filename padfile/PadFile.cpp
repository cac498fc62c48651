#include "padfile/PadFile.h"

#include <string.h>

#include <windows.h>

#include "padfile/PadRecovery.h"
#include "padfile/PadText.h"
#include "padfile/RecoveredPad.h"

namespace {

bool SameBytes(const CString& a, const CString& b) {
    return a.GetLength() == b.GetLength() && memcmp(a, b, a.GetLength()) == 0;
}

// Whether the file holds what a rewrite of the old text by the new, or the putting back of
// the old text, can leave when cut short: at each place the byte of the one or the other,
// and a length from the shorter's to the longer's.
bool IsCutShort(const CString& strNow, const RecoveredSave& save) {
    const int nNow = strNow.GetLength();
    const int nOld = save.strOld.GetLength();
    const int nNew = save.strNew.GetLength();
    if (nNow < (nOld < nNew ? nOld : nNew) || nNow > (nOld > nNew ? nOld : nNew))
        return false;
    for (int i = 0; i < nNow; ++i) {
        const char ch = strNow.GetAt(i);
        if (!(i < nOld && ch == save.strOld.GetAt(i)) && !(i < nNew && ch == save.strNew.GetAt(i)))
            return false;
    }
    return true;
}

// Puts the old text back after a failed rewrite, keeping the first error for the caller.
void RestorePadFile(CFile& file, const CString& strOld) {
    DWORD dwError = ::GetLastError();
    if (file.SeekToBegin() && file.Write(strOld, static_cast<UINT>(strOld.GetLength())))
        file.SetLength(strOld.GetLength());
    file.Flush();
    ::SetLastError(dwError);
}

// Rewrites the file in place, putting the old text back when that fails.
BOOL RewritePadFile(CFile& file, const CString& strOld, const CString& strNew) {
    const LONGLONG nOldLength = file.GetLength();
    if (nOldLength < 0)
        return FALSE;
    const LONGLONG nNewLength = strNew.GetLength();

    // A longer text first claims its room with its own tail, written past the old end: when
    // the disk is full this fails while the old text is still whole, and cutting the tail
    // off again leaves exactly the old file.
    if (nNewLength > nOldLength) {
        const int nTail = static_cast<int>(nOldLength);
        if (!file.Seek(nOldLength) ||
            !file.Write(strNew.GetString() + nTail, static_cast<UINT>(nNewLength - nOldLength))) {
            DWORD dwError = ::GetLastError();
            file.SetLength(nOldLength);
            ::SetLastError(dwError);
            return FALSE;
        }
    }

    // Now the new text fits in room the file already has.
    if (!file.SeekToBegin() || !file.Write(strNew, static_cast<UINT>(nNewLength)) ||
        !file.SetLength(nNewLength) || !file.Flush()) {
        RestorePadFile(file, strOld);
        return FALSE;
    }
    return TRUE;
}

} // namespace

PadReadResult ReadPadFile(CFile& file, CString& strBytes) {
    LONGLONG nLength = file.GetLength();
    if (nLength < 0)
        return padReadFailed;
    if (nLength > kMaxPadLength)
        return padReadTooLarge;
    const int nCount = static_cast<int>(nLength);
    char* pBuffer = strBytes.GetBuffer(nCount);
    if (!pBuffer)
        return padReadTooLarge;
    int nRead = 0;
    if (file.SeekToBegin()) {
        while (nRead < nCount) {
            UINT n = file.Read(pBuffer + nRead, static_cast<UINT>(nCount - nRead));
            if (n == 0)
                break;
            nRead += static_cast<int>(n);
        }
    }
    strBytes.ReleaseBuffer(nRead);
    if (nRead != nCount) {
        if (::GetLastError() == ERROR_SUCCESS)
            ::SetLastError(ERROR_HANDLE_EOF);
        return padReadFailed;
    }
    return padReadOk;
}

PadRecoveryResult RecoverPadFile(CFile& file, const char* pszPath, CString& strPath) {
    CFileSystem& fileSystem = file.GetFileSystem();
    strPath = RecoveryFilePath(pszPath);
    RecoveredSave save;
    switch (ReadRecoveryFile(fileSystem, pszPath, save)) {
    case recoveryNone:
        return padRecoveryDone;
    case recoveryUnreadable:
        return padRecoveryReadFailed;
    case recoveryInvalid:
        RemoveRecoveryFile(fileSystem, pszPath);
        return padRecoveryDone;
    case recoveryValid:
        break;
    }
    // No save ever wrote a text that a pad would not open.
    CStringW strText;
    PadEncoding encoding = padCodePage;
    if (save.strNew.GetLength() > kMaxPadLength || !DecodePadText(save.strNew, strText, encoding))
        return padRecoveryDone;

    strPath = pszPath;
    CString strNow;
    PadReadResult read = ReadPadFile(file, strNow);
    if (read == padReadFailed)
        return padRecoveryReadFailed;
    PadRecoveryResult result = padRecoveryDone;
    if (read == padReadOk && SameBytes(strNow, save.strNew)) {
        // The save got as far as the flush.
    } else if (read == padReadOk && (!save.bOldKnown || IsCutShort(strNow, save))) {
        if (!RewritePadFile(file, strNow, save.strNew))
            return padRecoveryWriteFailed;
    } else if (!save.bOldKnown) {
        // Too large to be what the save left: not ours to overwrite. The load refuses it.
        return padRecoveryDone;
    } else if (!strText.IsEmpty()) {
        // Another program changed the file since: both texts stay.
        if (!KeepRecoveredText(fileSystem, pszPath, save.strNew, strPath))
            return padRecoveryWriteFailed;
        result = padRecoveryKeptApart;
    }
    RemoveRecoveryFile(fileSystem, pszPath);
    return result;
}

BOOL SavePadFile(CFile& file, const char* pszPath, const CString& strOld, const CString& strNew) {
    CFileSystem& fileSystem = file.GetFileSystem();
    // Without a recovery file the save still goes on, in place as before.
    BOOL bRecovery = WriteRecoveryFile(fileSystem, pszPath, strOld, strNew);
    if (RewritePadFile(file, strOld, strNew)) {
        // Also one that could not be replaced: it would be applied again.
        RemoveRecoveryFile(fileSystem, pszPath);
        return TRUE;
    }
    // The recovery file must not bring back text the user was told is not saved, unless the
    // old text could not be put back whole: then it is the only whole text there is.
    DWORD dwError = ::GetLastError();
    CString strNow;
    if (bRecovery && ReadPadFile(file, strNow) != padReadFailed && SameBytes(strNow, strOld))
        RemoveRecoveryFile(fileSystem, pszPath);
    ::SetLastError(dwError);
    return FALSE;
}

BOOL WriteNewFile(CFile& file, CFileSystem& fileSystem, const char* pszPath,
                  const CString& strData) {
    if (file.Write(strData, static_cast<UINT>(strData.GetLength())) && file.Flush())
        return TRUE;
    DWORD dwError = ::GetLastError();
    file.Close();
    fileSystem.Remove(pszPath);
    ::SetLastError(dwError);
    return FALSE;
}
