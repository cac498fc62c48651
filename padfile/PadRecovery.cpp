#include "padfile/PadRecovery.h"

#include <string.h>

#include "framework/CFile.h"

namespace {

const char kRecoveryExtension[] = ".recovery";
const char kMagic[8] = {'Q', 'L', 'R', 'E', 'C', 'O', 'V', '1'};
// The largest text a recovery file holds: a pad file's limit, with room to spare.
const DWORD kMaxRecoveredLength = 0x10000;

struct RecoveryHeader {
    char magic[8];
    DWORD nLength;
    DWORD nChecksum;
};

// CRC-32 (IEEE), bit by bit: the texts are small and saves are rare.
DWORD Checksum(const char* pch, int nLength) {
    DWORD crc = 0xFFFFFFFF;
    for (int i = 0; i < nLength; ++i) {
        crc ^= static_cast<unsigned char>(pch[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

} // namespace

CString RecoveryFilePath(const char* pszPadPath) {
    return CString(pszPadPath) + kRecoveryExtension;
}

BOOL WriteRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath, const CString& strText) {
    RecoveryHeader header;
    memcpy(header.magic, kMagic, sizeof kMagic);
    header.nLength = static_cast<DWORD>(strText.GetLength());
    header.nChecksum = Checksum(strText, strText.GetLength());
    CString strData(reinterpret_cast<const char*>(&header), sizeof header);
    strData += strText;
    if (strData.GetLength() != static_cast<int>(sizeof header) + strText.GetLength())
        return FALSE;

    CString strPath = RecoveryFilePath(pszPadPath);
    CFile file(fileSystem);
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        return FALSE;
    if (file.Write(strData, static_cast<UINT>(strData.GetLength())) && file.Flush())
        return TRUE;
    DWORD dwError = ::GetLastError();
    file.Close();
    fileSystem.Remove(strPath);
    ::SetLastError(dwError);
    return FALSE;
}

RecoveryState ReadRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath, CString& strText) {
    CFile file(fileSystem);
    if (!file.Open(RecoveryFilePath(pszPadPath), CFile::modeRead | CFile::shareExclusive)) {
        DWORD dwError = ::GetLastError();
        bool bMissing = dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
        return bMissing ? recoveryNone : recoveryUnreadable;
    }
    LONGLONG nSize = file.GetLength();
    if (nSize < 0)
        return recoveryUnreadable;
    RecoveryHeader header;
    if (nSize < static_cast<LONGLONG>(sizeof header) ||
        nSize > static_cast<LONGLONG>(sizeof header + kMaxRecoveredLength))
        return recoveryInvalid;
    if (file.Read(&header, sizeof header) != sizeof header)
        return recoveryUnreadable;
    if (memcmp(header.magic, kMagic, sizeof kMagic) != 0 ||
        nSize != static_cast<LONGLONG>(sizeof header + header.nLength))
        return recoveryInvalid;
    const int nLength = static_cast<int>(header.nLength);
    char* p = strText.GetBuffer(nLength);
    if (!p)
        return recoveryUnreadable;
    UINT nRead = nLength ? file.Read(p, static_cast<UINT>(nLength)) : 0;
    strText.ReleaseBuffer(static_cast<int>(nRead));
    if (static_cast<int>(nRead) != nLength)
        return recoveryUnreadable;
    return Checksum(strText, nLength) == header.nChecksum ? recoveryValid : recoveryInvalid;
}

void RemoveRecoveryFile(CFileSystem& fileSystem, const char* pszPadPath) {
    fileSystem.Remove(RecoveryFilePath(pszPadPath));
}

void MoveRecoveryFile(const char* pszOldPadPath, const char* pszNewPadPath) {
    CString strOld = RecoveryFilePath(pszOldPadPath);
    CString strNew = RecoveryFilePath(pszNewPadPath);
    if (::MoveFileExA(strOld, strNew, MOVEFILE_REPLACE_EXISTING))
        return;
    // A recovery file already under the new name belongs to a file that is gone: left there,
    // it would overwrite the renamed pad's text when the pad next opens.
    ::DeleteFileA(strOld);
    ::DeleteFileA(strNew);
}
