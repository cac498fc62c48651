#include "framework/CFile.h"

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile(CFileSystem& fileSystem) : m_hFile(hFileNull), m_fileSystem(fileSystem) {}

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
    DWORD dwCreate = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        dwCreate = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    m_hFile = m_fileSystem.Open(pszFileName, dwAccess, dwShare, dwCreate);
    return m_hFile != hFileNull;
}

void CFile::Close() {
    if (m_hFile != hFileNull) {
        m_fileSystem.Close(m_hFile);
        m_hFile = hFileNull;
    }
}

LONGLONG CFile::GetLength() const {
    LONGLONG nSize = 0;
    return m_fileSystem.GetSize(m_hFile, &nSize) ? nSize : -1;
}

BOOL CFile::SetLength(LONGLONG nNewLength) {
    return Seek(nNewLength) && m_fileSystem.SetEnd(m_hFile);
}

BOOL CFile::Seek(LONGLONG nOffset) { return m_fileSystem.Seek(m_hFile, nOffset); }

UINT CFile::Read(void* pBuffer, UINT nCount) {
    DWORD nRead = 0;
    if (!m_fileSystem.Read(m_hFile, pBuffer, nCount, &nRead))
        return 0;
    return nRead;
}

BOOL CFile::Write(const void* pBuffer, UINT nCount) {
    DWORD nWritten = 0;
    if (!m_fileSystem.Write(m_hFile, pBuffer, nCount, &nWritten))
        return FALSE;
    if (nWritten != nCount) {
        ::SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return TRUE;
}

BOOL CFile::Flush() { return m_fileSystem.Flush(m_hFile); }
