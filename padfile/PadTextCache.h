// The words of the pads of a folder, kept in memory for searching, folded so that a search
// word matches them whatever the case of either. A pad file is read again only when its size
// or time of last write has changed; the reading never disturbs a pad that holds the file.
//
// A search word has no blanks, so it occurs in a name or a text only inside one of its words.
// So the cache keeps each distinct word once, in a dictionary shared by all the pads, and each
// pad as the list of its name's and text's words' numbers: a fraction of its text's memory.
#pragma once
#include <windows.h>

#include <vector>

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

// Which of the dictionary's words contain a search word, by their numbers.
typedef std::vector<bool> FoundWords;

// What the cache knows of one pad; the caller keeps it with the pad's name, from one folder
// listing to the next.
struct PadWords {
    ULONGLONG nSize = 0;
    FILETIME ftLastWrite = FILETIME();
    // The numbers of the pad's distinct words, ascending, each as its distance from the one
    // before in 7-bit groups.
    CString strWords;
    // Whether strWords is what the file held at nSize and ftLastWrite.
    bool bRead = false;
};

class CPadTextCache {
  public:
    // Brings the words of the pad file pszName in the current folder up to date: the words of
    // its name, and of its text as the folder listing describes the file; bHeld when a running
    // pad holds it, whose size and time the listing may not show yet. Only the name's words
    // when the file cannot be read or decoded, or when it is kept only in the cloud.
    void Update(const char* pszName, const PadFileListing& listing, BOOL bHeld, PadWords& words);

    // Marks the dictionary's words that contain the folded search word.
    void FindWordsContaining(const CString& strWord, FoundWords& found) const;
    // Whether one of a pad's words is marked.
    static bool HasFoundWord(const CString& strWords, const FoundWords& found);

  private:
    CString IndexText(const CString& strFolded);
    UINT AddWord(const char* pch, int nLength);

    // The dictionary: every word met, folded and NUL-terminated, one after the other; where
    // each begins, by number; and a hash table of numbers plus one (0 for a free slot). It
    // only grows, by the words that the pads bring in.
    std::vector<char> m_words;
    std::vector<UINT> m_wordStarts;
    std::vector<UINT> m_wordTable;
};
