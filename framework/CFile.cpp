#include "framework/CFile.h"

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull) {}

CFile::~CFile() { Close(); }

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags) {
    Close();
    DWORD dwAccess = 0;
    switch (nOpenFlags & 3) {
    case modeRead:
        dwAccess = GENERIC_READ;
        break;
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    default:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    }
    // Delete sharing is never granted: an open file can be neither deleted nor replaced.
    DWORD dwShare = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite:
        dwShare = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShare = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        dwShare = 0;
        break;
    }
    DWORD dwCreate = (nOpenFlags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;

    m_hFile =
        ::CreateFileA(pszFileName, dwAccess, dwShare, NULL, dwCreate, FILE_ATTRIBUTE_NORMAL, NULL);
    return m_hFile != hFileNull;
}

void CFile::Close() {
    if (m_hFile != hFileNull) {
        ::CloseHandle(m_hFile);
        m_hFile = hFileNull;
    }
}

LONGLONG CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(m_hFile, &size))
        return -1;
    return size.QuadPart;
}

BOOL CFile::SetLength(LONGLONG nNewLength) {
    return Seek(nNewLength, FILE_BEGIN) && ::SetEndOfFile(m_hFile);
}

BOOL CFile::Seek(LONGLONG nOffset, DWORD nFrom) {
    LARGE_INTEGER distance;
    distance.QuadPart = nOffset;
    return ::SetFilePointerEx(m_hFile, distance, NULL, nFrom);
}

UINT CFile::Read(void* pBuffer, UINT nCount) {
    DWORD nRead = 0;
    if (!::ReadFile(m_hFile, pBuffer, nCount, &nRead, NULL))
        return 0;
    return nRead;
}

BOOL CFile::Write(const void* pBuffer, UINT nCount) {
    DWORD nWritten = 0;
    if (!::WriteFile(m_hFile, pBuffer, nCount, &nWritten, NULL))
        return FALSE;
    if (nWritten != nCount) {
        ::SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return TRUE;
}

BOOL CFile::Flush() { return ::FlushFileBuffers(m_hFile); }
