// A search of a folder for the names that match a pattern, in the order the file system
// reports them. The search handle is closed with the object.
#pragma once
#include <windows.h>

#include "framework/CString.h"

class CFileFind {
  public:
    CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;
    ~CFileFind();

    // Starts a search and stands on its first match; FALSE when nothing matches.
    BOOL FindFile(const char* pszPattern);
    // Moves to the next match; FALSE when there is none.
    BOOL FindNextFile();
    // The name (without folder) of the match the search stands on.
    CString GetFileName() const { return CString(m_data.cFileName); }
    void Close();

  private:
    HANDLE m_hFind;
    WIN32_FIND_DATAA m_data;
};
