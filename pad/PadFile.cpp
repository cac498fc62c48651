#include "pad/PadFile.h"

#include <windows.h>

PadReadResult ReadPadFile(CFile& file, CString& strBytes, CString& strText) {
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
        if (GetLastError() == ERROR_SUCCESS)
            SetLastError(ERROR_HANDLE_EOF);
        return padReadFailed;
    }
    strText = strBytes.GetString();
    return padReadOk;
}

namespace {
// Puts the old text back after a failed rewrite, keeping the first error for the caller.
void RestorePadFile(CFile& file, const CString& strOld) {
    DWORD dwError = GetLastError();
    if (file.SeekToBegin() && file.Write(strOld, static_cast<UINT>(strOld.GetLength())))
        file.SetLength(strOld.GetLength());
    file.Flush();
    SetLastError(dwError);
}
} // namespace

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
        if (!file.Seek(nOldLength, FILE_BEGIN) ||
            !file.Write(strNew.GetString() + nTail, static_cast<UINT>(nNewLength - nOldLength))) {
            DWORD dwError = GetLastError();
            file.SetLength(nOldLength);
            SetLastError(dwError);
            return FALSE;
        }
    }

    // Now the new text fits in room the file already has.
    if (!file.SeekToBegin() || !file.Write(strNew, static_cast<UINT>(nNewLength)) ||
        !file.SetLength(nNewLength)) {
        RestorePadFile(file, strOld);
        return FALSE;
    }
    return file.Flush();
}
