// A file opened with a share mode. Failures return FALSE and leave the reason in
// GetLastError(); nothing is thrown. The handle is closed with the object.
#pragma once
#include <windows.h>

#include "framework/CFileSystem.h"

class CFile {
  public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        // Creates the file, or truncates it when it exists...
        modeCreate = 0x1000,
        // ...unless this is given too: then an existing file is opened as it is, and
        // GetLastError() is ERROR_ALREADY_EXISTS after the open.
        modeNoTruncate = 0x2000
    };
    static const HANDLE hFileNull;

    explicit CFile(CFileSystem& fileSystem = AfxGetFileSystem());
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile();

    BOOL Open(const char* pszFileName, UINT nOpenFlags);
    void Close();
    BOOL IsOpen() const { return m_hFile != hFileNull; }
    // Whether the open file is a file on a disk, not a device or a pipe.
    BOOL IsDiskFile() const { return ::GetFileType(m_hFile) == FILE_TYPE_DISK; }
    CFileSystem& GetFileSystem() const { return m_fileSystem; }

    // The length in bytes, or -1 when it cannot be read.
    LONGLONG GetLength() const;
    // Sets the length; the file position ends at the new end.
    BOOL SetLength(LONGLONG nNewLength);
    BOOL Seek(LONGLONG nOffset);
    BOOL SeekToBegin() { return Seek(0); }
    // Reads up to nCount bytes; returns how many were read, 0 at the end or on failure.
    UINT Read(void* pBuffer, UINT nCount);
    // Writes all nCount bytes, or fails.
    BOOL Write(const void* pBuffer, UINT nCount);
    // Commits what was written to the disk.
    BOOL Flush();

    HANDLE m_hFile;

  private:
    CFileSystem& m_fileSystem;
};
