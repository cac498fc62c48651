// What the contents window lists: the pads the last folder listing found, and of them the
// ones whose name or text contains every word of the search.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/CString.h"
#include "padfile/PadTextCache.h"

class CContentsSearch {
  public:
    // A new listing of the current folder, pad by pad. EndListing sorts the pads by name
    // without regard to case, as a sorted list box does, and reads the texts for the search
    // when it has any words.
    void BeginListing();
    void AddPad(const CString& strName, BOOL bHeld, const WIN32_FIND_DATAW& listing);
    void EndListing();

    // Takes the words of a new search, split at blanks; reads the texts when the search
    // starts. An empty or blank search matches every pad.
    void SetSearch(const CStringW& strSearch);
    BOOL IsSearching() const { return !m_words.empty(); }

    int GetCount() const { return static_cast<int>(m_pads.size()); }
    const CString& GetName(int nIndex) const { return m_pads[nIndex].strName; }
    BOOL IsHeld(int nIndex) const { return m_pads[nIndex].bHeld; }
    BOOL Matches(int nIndex) const { return m_matches[nIndex]; }

  private:
    struct Pad {
        CString strName;
        BOOL bHeld;
        PadFileListing listing;
        // Made only once a search starts, so that a window that never searches keeps no more
        // than the names.
        std::unique_ptr<PadWords> pWords;
    };
    // In the order of a sorted list box.
    void SortPads();
    void ReadTexts();
    // Tests the pads against the words; with bOnlyMatched only those that matched before,
    // which is enough when the new words narrow the old ones down, as typing on does.
    void UpdateMatches(bool bOnlyMatched);
    bool MatchesWords(const Pad& pad) const;

    std::vector<Pad> m_pads;
    // The pads of the listing before, whose words the new listing takes over.
    std::vector<Pad> m_previous;
    std::vector<CString> m_words;
    // For each search word, the dictionary's words that contain it.
    std::vector<FoundWords> m_found;
    std::vector<bool> m_matches;
    CPadTextCache m_cache;
};
