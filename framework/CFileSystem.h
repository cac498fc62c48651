// The system calls behind CFile. The program uses the system's own; a test passes one of its
// own to make any single call fail, or to stop there as a crash would.
#pragma once
#include <windows.h>

class CFileSystem {
  public:
    virtual ~CFileSystem() {}

    // Each call behaves as the Win32 function it wraps, last error included.
    virtual HANDLE Open(const char* pszPath, DWORD dwAccess, DWORD dwShare, DWORD dwCreation);
    virtual BOOL Read(HANDLE hFile, void* pBuffer, DWORD nCount, DWORD* pnRead);
    virtual BOOL Write(HANDLE hFile, const void* pBuffer, DWORD nCount, DWORD* pnWritten);
    virtual BOOL Seek(HANDLE hFile, LONGLONG nOffset);
    virtual BOOL SetEnd(HANDLE hFile);
    virtual BOOL Flush(HANDLE hFile);
    virtual BOOL GetSize(HANDLE hFile, LONGLONG* pnSize);
    virtual void Close(HANDLE hFile);
    virtual BOOL Remove(const char* pszPath);
};

// The system's own calls.
CFileSystem& AfxGetFileSystem();
