#include "padfile/PadTextCache.h"

#include <string.h>

#include <algorithm>

#include "framework/CFile.h"
#include "framework/CodePage.h"
#include "padfile/PadFile.h"
#include "padfile/PadText.h"

namespace {

// A file that a sync client keeps only in the cloud: opening it, let alone reading it, would
// download it. Not every header names the first two.
const DWORD kRecallOnDataAccess = 0x00400000;
const DWORD kRecallOnOpen = 0x00040000;
const DWORD kCloudOnly = kRecallOnDataAccess | kRecallOnOpen | FILE_ATTRIBUTE_OFFLINE;

ULONGLONG MakeSize(DWORD nHigh, DWORD nLow) { return (static_cast<ULONGLONG>(nHigh) << 32) | nLow; }

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// Opens the file for reading beside any other opener: a running pad keeps its lock, a pad that
// closes empty can still delete its file, and a pad that starts meanwhile can still lock it.
void OpenForSearch(CFile& file, const char* pszName) {
    file.m_hFile = file.GetFileSystem().Open(pszName, GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             OPEN_EXISTING);
}

bool IsAsciiBlank(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

UINT HashWord(const char* pch, int nLength) {
    UINT nHash = 2166136261u;
    for (int i = 0; i < nLength; ++i)
        nHash = (nHash ^ static_cast<unsigned char>(pch[i])) * 16777619u;
    return nHash;
}

CString ReadFoldedText(CFile& file) {
    CString strBytes;
    CStringW strText;
    PadEncoding encoding;
    if (ReadPadFile(file, strBytes) != padReadOk || !DecodePadText(strBytes, strText, encoding))
        return CString();
    return FoldSearchText(strText, strText.GetLength());
}

} // namespace

CString FoldSearchText(const wchar_t* pch, int nLength) {
    if (nLength <= 0)
        return CString();
    CStringW strUpper;
    wchar_t* pUpper = strUpper.GetBuffer(nLength);
    if (!pUpper)
        return CString();
    // Linguistic casing maps each script as its language does; a system without it still
    // upper-cases every script, by the plain rules.
    int nUpper = ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING, pch,
                                nLength, pUpper, nLength);
    if (nUpper <= 0)
        nUpper =
            ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, pch, nLength, pUpper, nLength);
    strUpper.ReleaseBuffer(nUpper > 0 ? nUpper : 0);
    return ToMultiByte(strUpper, CP_UTF8);
}

CString FoldSearchName(const char* pszName) {
    const CStringW strName = FromCodePage(pszName);
    return FoldSearchText(strName, strName.GetLength());
}

PadFileListing MakePadFileListing(const WIN32_FIND_DATAW& data) {
    return PadFileListing{data.dwFileAttributes, MakeSize(data.nFileSizeHigh, data.nFileSizeLow),
                          data.ftLastWriteTime};
}

void CPadTextCache::Update(const char* pszName, const PadFileListing& listing, BOOL bHeld,
                           PadWords& words) {
    ULONGLONG nSize = listing.nSize;
    FILETIME ftLastWrite = listing.ftLastWrite;
    CFile file;
    bool bReadable = !(listing.dwAttributes & kCloudOnly);
    if (bReadable && bHeld) {
        // The listing shows the size and time of a file held open only once it is closed.
        OpenForSearch(file, pszName);
        BY_HANDLE_FILE_INFORMATION info;
        bReadable = file.IsOpen() && ::GetFileInformationByHandle(file.m_hFile, &info);
        if (bReadable) {
            nSize = MakeSize(info.nFileSizeHigh, info.nFileSizeLow);
            ftLastWrite = info.ftLastWriteTime;
        }
    }
    if (bReadable && words.bRead && words.nSize == nSize &&
        SameTime(words.ftLastWrite, ftLastWrite))
        return;
    if (bReadable && !file.IsOpen())
        OpenForSearch(file, pszName);
    bReadable = bReadable && file.IsOpen();
    // The name's words always; the text's when the file opens. A file that would not open is
    // tried again next time, one that would not decode only once it changes.
    CString strFolded = FoldSearchName(pszName);
    if (bReadable)
        strFolded += " " + ReadFoldedText(file);
    words = PadWords{nSize, ftLastWrite, IndexText(strFolded), bReadable};
}

UINT CPadTextCache::AddWord(const char* pch, int nLength) {
    // At most half full, so that a search for a free slot stays short.
    if (2 * (m_wordStarts.size() + 1) > m_wordTable.size()) {
        std::vector<UINT> table(m_wordTable.empty() ? 1024 : 2 * m_wordTable.size(), 0);
        const size_t nMask = table.size() - 1;
        for (UINT nWord = 0; nWord < m_wordStarts.size(); ++nWord) {
            const char* pWord = m_words.data() + m_wordStarts[nWord];
            size_t i = HashWord(pWord, static_cast<int>(strlen(pWord))) & nMask;
            while (table[i])
                i = (i + 1) & nMask;
            table[i] = nWord + 1;
        }
        m_wordTable.swap(table);
    }
    const size_t nMask = m_wordTable.size() - 1;
    size_t i = HashWord(pch, nLength) & nMask;
    for (; m_wordTable[i]; i = (i + 1) & nMask) {
        const char* pWord = m_words.data() + m_wordStarts[m_wordTable[i] - 1];
        if (strncmp(pWord, pch, nLength) == 0 && pWord[nLength] == '\0')
            return m_wordTable[i] - 1;
    }
    const UINT nWord = static_cast<UINT>(m_wordStarts.size());
    m_wordStarts.push_back(static_cast<UINT>(m_words.size()));
    m_words.insert(m_words.end(), pch, pch + nLength);
    m_words.push_back('\0');
    m_wordTable[i] = nWord + 1;
    return nWord;
}

CString CPadTextCache::IndexText(const CString& strFolded) {
    std::vector<UINT> words;
    const char* p = strFolded;
    const char* pEnd = p + strFolded.GetLength();
    while (p < pEnd) {
        while (p < pEnd && IsAsciiBlank(*p))
            ++p;
        const char* pWord = p;
        while (p < pEnd && !IsAsciiBlank(*p))
            ++p;
        if (p > pWord)
            words.push_back(AddWord(pWord, static_cast<int>(p - pWord)));
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::vector<char> bytes;
    UINT nBefore = 0;
    for (UINT nWord : words) {
        for (UINT nDistance = nWord - nBefore;; nDistance >>= 7) {
            const bool bLast = nDistance < 0x80;
            bytes.push_back(static_cast<char>((nDistance & 0x7F) | (bLast ? 0 : 0x80)));
            if (bLast)
                break;
        }
        nBefore = nWord;
    }
    return CString(bytes.data(), static_cast<int>(bytes.size()));
}

void CPadTextCache::FindWordsContaining(const CString& strWord, FoundWords& found) const {
    found.assign(m_wordStarts.size(), false);
    for (size_t nWord = 0; nWord < m_wordStarts.size(); ++nWord)
        found[nWord] = strstr(m_words.data() + m_wordStarts[nWord], strWord) != NULL;
}

bool CPadTextCache::HasFoundWord(const CString& strWords, const FoundWords& found) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(strWords.GetString());
    const unsigned char* pEnd = p + strWords.GetLength();
    UINT nWord = 0;
    while (p < pEnd) {
        UINT nDistance = 0;
        for (int nShift = 0; p < pEnd; nShift += 7) {
            const unsigned char b = *p++;
            nDistance |= static_cast<UINT>(b & 0x7F) << nShift;
            if (!(b & 0x80))
                break;
        }
        nWord += nDistance;
        if (nWord < found.size() && found[nWord])
            return true;
    }
    return false;
}
