#include "padfile/PadRecovery.h"

#include <string.h>

#include "framework/CFile.h"
#include "padfile/PadFile.h"
#include "padfile/PadFileLock.h"

namespace {

const char kRecoveryExtension[] = ".recovery";
// The first format held the new text only: its length, its checksum, the text. The second
// holds both texts: their lengths, one checksum of the lengths and the texts, the old text,
// the new one.
const char kMagicNewOnly[8] = {'Q', 'L', 'R', 'E', 'C', 'O', 'V', '1'};
const char kMagic[8] = {'Q', 'L', 'R', 'E', 'C', 'O', 'V', '2'};
const int kMagicSize = static_cast<int>(sizeof kMagic);
const int kHeaderNewOnly = kMagicSize + 2 * static_cast<int>(sizeof(DWORD));
const int kHeader = kMagicSize + 3 * static_cast<int>(sizeof(DWORD));
// The first format took texts of up to 64 KB; the second two of a pad's length.
const int kMaxFileNewOnly = kHeaderNewOnly + 0x10000;
const int kMaxFile = kHeader + 2 * kMaxPadLength;
static_assert(kMaxFile >= kMaxFileNewOnly, "the size check lets either format through");

// CRC-32 (IEEE), bit by bit, going on from crc: the texts are small and saves are rare.
DWORD Checksum(const char* pch, int nLength, DWORD crc = 0) {
    crc = ~crc;
    for (int i = 0; i < nLength; ++i) {
        crc ^= static_cast<unsigned char>(pch[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

DWORD DwordAt(const CString& strData, int nOffset) {
    DWORD dw = 0;
    memcpy(&dw, strData.GetString() + nOffset, sizeof dw);
    return dw;
}

CString DwordBytes(DWORD dw) { return CString(reinterpret_cast<const char*>(&dw), sizeof dw); }

void ClearReadOnly(const char* pszPath) {
    DWORD dwAttributes = ::GetFileAttributesA(pszPath);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) &&
        !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        ::SetFileAttributesA(pszPath, dwAttributes & ~FILE_ATTRIBUTE_READONLY);
}

bool IsFolder(const char* pszPath) {
    DWORD dwAttributes = ::GetFileAttributesA(pszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A read-only file would otherwise stay, to be applied again at a later opening.
BOOL DeleteRecoveryFile(CFileSystem& fileSystem, const char* pszPath) {
    if (fileSystem.Remove(pszPath))
        return TRUE;
    if (::GetLastError() != ERROR_ACCESS_DENIED)
        return FALSE;
    ClearReadOnly(pszPath);
    return fileSystem.Remove(pszPath);
}

RecoveryState ParseNewOnly(const CString& strData, RecoveredSave& save) {
    const int nLength = static_cast<int>(DwordAt(strData, kMagicSize));
    if (nLength != strData.GetLength() - kHeaderNewOnly)
        return recoveryInvalid;
    save.strNew = strData.Mid(kHeaderNewOnly);
    save.strOld.Empty();
    save.bOldKnown = FALSE;
    return Checksum(save.strNew, nLength) == DwordAt(strData, kMagicSize + sizeof(DWORD))
               ? recoveryValid
               : recoveryInvalid;
}

RecoveryState Parse(const CString& strData, RecoveredSave& save) {
    const DWORD nOld = DwordAt(strData, kMagicSize);
    const DWORD nNew = DwordAt(strData, kMagicSize + sizeof(DWORD));
    if (nOld > static_cast<DWORD>(kMaxPadLength) || nNew > static_cast<DWORD>(kMaxPadLength) ||
        static_cast<int>(nOld + nNew) != strData.GetLength() - kHeader)
        return recoveryInvalid;
    const int nLengths = 2 * static_cast<int>(sizeof(DWORD));
    DWORD crc = Checksum(strData.GetString() + kMagicSize, nLengths);
    crc = Checksum(strData.GetString() + kHeader, strData.GetLength() - kHeader, crc);
    if (crc != DwordAt(strData, kMagicSize + nLengths))
        return recoveryInvalid;
    save.strOld = strData.Mid(kHeader, static_cast<int>(nOld));
    save.strNew = strData.Mid(kHeader + static_cast<int>(nOld));
    save.bOldKnown = TRUE;
    return recoveryValid;
}

} // namespace

CString RecoveryFilePath(const char* pszPadPath) {
    return CString(pszPadPath) + kRecoveryExtension;
}

BOOL WriteRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath, const CString& strOld,
                       const CString& strNew) {
    if (strOld.GetLength() > kMaxPadLength || strNew.GetLength() > kMaxPadLength) {
        ::SetLastError(ERROR_FILE_TOO_LARGE);
        return FALSE;
    }
    CString strLengths = DwordBytes(static_cast<DWORD>(strOld.GetLength())) +
                         DwordBytes(static_cast<DWORD>(strNew.GetLength()));
    DWORD crc = Checksum(strLengths, strLengths.GetLength());
    crc = Checksum(strNew, strNew.GetLength(), Checksum(strOld, strOld.GetLength(), crc));
    CString strData = CString(kMagic, kMagicSize) + strLengths + DwordBytes(crc) + strOld + strNew;
    if (strData.GetLength() != kHeader + strOld.GetLength() + strNew.GetLength())
        return FALSE;

    CString strPath = RecoveryFilePath(pszPadPath);
    // One left read-only could not be replaced, nor removed after the save.
    ClearReadOnly(strPath);
    CFile file(fileSystem);
    if (!OpenPastMomentaryHolds(file, strPath,
                                CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        return FALSE;
    return WriteNewFile(file, fileSystem, strPath, strData);
}

RecoveryState ReadRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath,
                               RecoveredSave& save) {
    CString strPath = RecoveryFilePath(pszPadPath);
    CFile file(fileSystem);
    if (!OpenPastMomentaryHolds(file, strPath, CFile::modeRead | CFile::shareExclusive)) {
        DWORD dwError = ::GetLastError();
        bool bMissing = dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
        if (bMissing || IsFolder(strPath))
            return recoveryNone;
        ::SetLastError(dwError);
        return recoveryUnreadable;
    }
    LONGLONG nSize = file.GetLength();
    if (nSize < 0)
        return recoveryUnreadable;
    if (nSize < kHeaderNewOnly || nSize > kMaxFile)
        return recoveryInvalid;
    const int nCount = static_cast<int>(nSize);
    CString strData;
    char* p = strData.GetBuffer(nCount);
    if (!p)
        return recoveryUnreadable;
    UINT nRead = file.Read(p, static_cast<UINT>(nCount));
    strData.ReleaseBuffer(static_cast<int>(nRead));
    if (static_cast<int>(nRead) != nCount)
        return recoveryUnreadable;
    if (memcmp(strData, kMagicNewOnly, kMagicSize) == 0 && nCount <= kMaxFileNewOnly)
        return ParseNewOnly(strData, save);
    if (memcmp(strData, kMagic, kMagicSize) == 0 && nCount >= kHeader && nCount <= kMaxFile)
        return Parse(strData, save);
    return recoveryInvalid;
}

void RemoveRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath) {
    DeleteRecoveryFile(fileSystem, RecoveryFilePath(pszPadPath));
}

void MoveRecoveryFile(const char* pszOldPadPath, const char* pszNewPadPath) {
    CString strOld = RecoveryFilePath(pszOldPadPath);
    CString strNew = RecoveryFilePath(pszNewPadPath);
    ClearReadOnly(strNew);
    if (::MoveFileExA(strOld, strNew, MOVEFILE_REPLACE_EXISTING))
        return;
    // A recovery file already under the new name belongs to a file that is gone: left there,
    // it would overwrite the renamed pad's text when the pad next opens.
    DeleteRecoveryFile(AfxGetFileSystem(), strOld);
    DeleteRecoveryFile(AfxGetFileSystem(), strNew);
}
