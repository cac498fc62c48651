#include "contents/ContentsSearch.h"

#include <string.h>

#include <algorithm>
#include <new>

namespace {

// The order of a sorted list box: by name, without regard to case.
bool NameBefore(const CString& a, const CString& b) {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_LESS_THAN;
}

// The system's sort key of a name: keys compare byte by byte as NameBefore compares names, so
// a sort makes one call per name instead of one per comparison.
CString SortKey(const CString& strName) {
    const DWORD dwFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    int nSize = ::LCMapStringA(LOCALE_USER_DEFAULT, dwFlags, strName, -1, NULL, 0);
    CString strKey;
    char* p = nSize > 0 ? strKey.GetBuffer(nSize) : NULL;
    if (!p)
        return strKey;
    nSize = ::LCMapStringA(LOCALE_USER_DEFAULT, dwFlags, strName, -1, p, nSize);
    strKey.ReleaseBuffer(nSize > 0 ? nSize - 1 : 0);
    return strKey;
}

bool IsBlank(wchar_t ch) {
    WORD wType = 0;
    return ::GetStringTypeW(CT_CTYPE1, &ch, 1, &wType) && (wType & C1_SPACE);
}

} // namespace

void CContentsSearch::BeginListing() {
    // Kept for their words only once a search has read some; the new listing takes the room
    // of the old one, which saves the heap the steps of growing it again.
    const size_t nCount = m_pads.size();
    if (!m_pads.empty() && m_pads.front().pWords)
        m_previous.swap(m_pads);
    m_pads.clear();
    m_pads.reserve(nCount);
    m_matches.clear();
}

void CContentsSearch::AddPad(const CString& strName, BOOL bHeld, const WIN32_FIND_DATAW& listing) {
    m_pads.push_back(Pad{strName, bHeld, MakePadFileListing(listing), nullptr});
}

void CContentsSearch::EndListing() {
    // In the order of a sorted list box, so that the list takes the matches as they come
    // instead of finding each one's place again on every keystroke.
    SortPads();
    // Both listings are in this order, so one walk finds each pad's words of before.
    size_t nPrevious = 0;
    for (Pad& pad : m_pads) {
        while (nPrevious < m_previous.size() &&
               NameBefore(m_previous[nPrevious].strName, pad.strName))
            ++nPrevious;
        if (nPrevious < m_previous.size() && m_previous[nPrevious].strName == pad.strName)
            pad.pWords = std::move(m_previous[nPrevious].pWords);
    }
    m_previous.clear();
    m_previous.shrink_to_fit();
    if (IsSearching())
        ReadTexts();
    else
        UpdateMatches(false);
}

void CContentsSearch::SortPads() {
    std::vector<CString> keys;
    keys.reserve(m_pads.size());
    for (const Pad& pad : m_pads)
        keys.push_back(SortKey(pad.strName));
    std::vector<UINT> order(m_pads.size());
    for (UINT i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&keys](UINT a, UINT b) { return strcmp(keys[a], keys[b]) < 0; });
    std::vector<Pad> sorted;
    sorted.reserve(m_pads.size());
    for (UINT i : order)
        sorted.push_back(std::move(m_pads[i]));
    m_pads.swap(sorted);
}

void CContentsSearch::SetSearch(const CStringW& strSearch) {
    const BOOL bWasSearching = IsSearching();
    const std::vector<CString> oldWords = std::move(m_words);
    m_words.clear();
    const wchar_t* p = strSearch;
    const wchar_t* pEnd = p + strSearch.GetLength();
    while (p < pEnd) {
        while (p < pEnd && IsBlank(*p))
            ++p;
        const wchar_t* pWord = p;
        while (p < pEnd && !IsBlank(*p))
            ++p;
        if (p > pWord)
            m_words.push_back(FoldSearchText(pWord, static_cast<int>(p - pWord)));
    }
    if (IsSearching() && !bWasSearching) {
        ReadTexts();
        return;
    }
    // Every pad that has each new word has each old word, when every old word lies in a new one.
    bool bNarrows = bWasSearching;
    for (const CString& strOld : oldWords) {
        bool bContained = false;
        for (const CString& strWord : m_words)
            bContained = bContained || strstr(strWord, strOld) != NULL;
        bNarrows = bNarrows && bContained;
    }
    UpdateMatches(bNarrows);
}

void CContentsSearch::ReadTexts() {
    for (Pad& pad : m_pads) {
        if (!pad.pWords)
            pad.pWords.reset(new (std::nothrow) PadWords);
        if (pad.pWords)
            m_cache.Update(pad.strName, pad.listing, pad.bHeld, *pad.pWords);
    }
    UpdateMatches(false);
}

void CContentsSearch::UpdateMatches(bool bOnlyMatched) {
    m_found.resize(m_words.size());
    for (size_t i = 0; i < m_words.size(); ++i)
        m_cache.FindWordsContaining(m_words[i], m_found[i]);
    m_matches.resize(m_pads.size(), true);
    for (size_t i = 0; i < m_pads.size(); ++i) {
        if (!bOnlyMatched || m_matches[i])
            m_matches[i] = MatchesWords(m_pads[i]);
    }
}

bool CContentsSearch::MatchesWords(const Pad& pad) const {
    if (m_words.empty())
        return true;
    // A pad the search could not learn about is shown only by an empty search.
    if (!pad.pWords)
        return false;
    for (const FoundWords& found : m_found) {
        if (!CPadTextCache::HasFoundWord(pad.pWords->strWords, found))
            return false;
    }
    return true;
}
