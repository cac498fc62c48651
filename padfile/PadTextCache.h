// The texts of the pads of a folder, kept in memory for searching, folded so that a search
// word matches them whatever the case of either. A pad file is read again only when its size
// or time of last write has changed; the reading never disturbs a pad that holds the file.
#pragma once
#include <windows.h>

#include <string>
#include <unordered_map>

#include "framework/CString.h"

// The text with the system's linguistic upper-casing, as UTF-8: a folded word occurs in a
// folded text wherever the word occurs in the text, in any case and any script.
CString FoldSearchText(const wchar_t* pch, int nLength);
// The same for text in the code page, such as a pad's name.
CString FoldSearchName(const char* pszName);

// What a folder listing says of a pad file, all that the cache needs of it.
struct PadFileListing {
    DWORD dwAttributes;
    ULONGLONG nSize;
    FILETIME ftLastWrite;
};
PadFileListing MakePadFileListing(const WIN32_FIND_DATAW& data);

class CPadTextCache {
  public:
    // The folded text of the pad file pszName in the current folder, as the folder listing
    // describes it; bHeld when a running pad holds the file, whose size and time the listing
    // may not show yet. Empty when the file cannot be read or decoded, or when it is kept
    // only in the cloud: such a pad is found by its name only.
    const CString& GetText(const char* pszName, const PadFileListing& listing, BOOL bHeld);
    // Forgets the pads that GetText has not been asked for since the last call.
    void ForgetUnasked();
    void Clear() { m_entries.clear(); }

  private:
    struct Entry {
        ULONGLONG nSize = 0;
        FILETIME ftLastWrite = FILETIME();
        CString strText;
        // Whether strText is what the file held at nSize and ftLastWrite.
        bool bRead = false;
        bool bAsked = false;
    };
    std::unordered_map<std::string, Entry> m_entries;
};
