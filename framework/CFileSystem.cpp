#include "framework/CFileSystem.h"

namespace {
CFileSystem g_fileSystem;
} // namespace

CFileSystem& AfxGetFileSystem() { return g_fileSystem; }

HANDLE CFileSystem::Open(const char* pszPath, DWORD dwAccess, DWORD dwShare, DWORD dwCreation) {
    return ::CreateFileA(pszPath, dwAccess, dwShare, NULL, dwCreation, FILE_ATTRIBUTE_NORMAL, NULL);
}

BOOL CFileSystem::Read(HANDLE hFile, void* pBuffer, DWORD nCount, DWORD* pnRead) {
    return ::ReadFile(hFile, pBuffer, nCount, pnRead, NULL);
}

BOOL CFileSystem::Write(HANDLE hFile, const void* pBuffer, DWORD nCount, DWORD* pnWritten) {
    return ::WriteFile(hFile, pBuffer, nCount, pnWritten, NULL);
}

BOOL CFileSystem::Seek(HANDLE hFile, LONGLONG nOffset) {
    LARGE_INTEGER distance;
    distance.QuadPart = nOffset;
    return ::SetFilePointerEx(hFile, distance, NULL, FILE_BEGIN);
}

BOOL CFileSystem::SetEnd(HANDLE hFile) { return ::SetEndOfFile(hFile); }

BOOL CFileSystem::Flush(HANDLE hFile) { return ::FlushFileBuffers(hFile); }

BOOL CFileSystem::GetSize(HANDLE hFile, LONGLONG* pnSize) {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(hFile, &size))
        return FALSE;
    *pnSize = size.QuadPart;
    return TRUE;
}

void CFileSystem::Close(HANDLE hFile) { ::CloseHandle(hFile); }

BOOL CFileSystem::Remove(const char* pszPath) { return ::DeleteFileA(pszPath); }
