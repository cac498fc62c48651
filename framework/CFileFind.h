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
    // The name (without folder) of the match the search stands on, in the code page. FALSE
    // when the name has characters the code page cannot hold: no call that takes a name in
    // the code page could reach that file, and a look-alike name might reach another.
    BOOL GetFileName(CString& strName) const;
    // All the listing says of the match: its attributes, size and times.
    const WIN32_FIND_DATAW& GetFindData() const { return m_data; }
    void Close();

  private:
    HANDLE m_hFind;
    WIN32_FIND_DATAW m_data;
};
