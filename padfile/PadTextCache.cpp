#include "padfile/PadTextCache.h"

#include "framework/CFile.h"
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
    CString strFolded;
    if (nLength <= 0)
        return strFolded;
    CStringW strUpper;
    wchar_t* pUpper = strUpper.GetBuffer(nLength);
    if (!pUpper)
        return strFolded;
    const DWORD dwFlags = LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING;
    int nUpper = ::LCMapStringW(LOCALE_USER_DEFAULT, dwFlags, pch, nLength, pUpper, nLength);
    strUpper.ReleaseBuffer(nUpper > 0 ? nUpper : 0);
    if (nUpper <= 0)
        return strFolded;
    int nBytes = ::WideCharToMultiByte(CP_UTF8, 0, strUpper, nUpper, NULL, 0, NULL, NULL);
    char* p = nBytes > 0 ? strFolded.GetBuffer(nBytes) : NULL;
    if (!p)
        return strFolded;
    ::WideCharToMultiByte(CP_UTF8, 0, strUpper, nUpper, p, nBytes, NULL, NULL);
    strFolded.ReleaseBuffer(nBytes);
    return strFolded;
}

CString FoldSearchName(const char* pszName) {
    int nWide = ::MultiByteToWideChar(CP_ACP, 0, pszName, -1, NULL, 0);
    CStringW strName;
    wchar_t* p = nWide > 1 ? strName.GetBuffer(nWide - 1) : NULL;
    if (!p)
        return CString();
    ::MultiByteToWideChar(CP_ACP, 0, pszName, -1, p, nWide);
    strName.ReleaseBuffer(nWide - 1);
    return FoldSearchText(strName, strName.GetLength());
}

PadFileListing MakePadFileListing(const WIN32_FIND_DATAW& data) {
    return PadFileListing{data.dwFileAttributes, MakeSize(data.nFileSizeHigh, data.nFileSizeLow),
                          data.ftLastWriteTime};
}

const CString& CPadTextCache::GetText(const char* pszName, const PadFileListing& listing,
                                      BOOL bHeld) {
    Entry& entry = m_entries[pszName];
    entry.bAsked = true;
    if (listing.dwAttributes & kCloudOnly) {
        entry = Entry{0, FILETIME(), CString(), false, true};
        return entry.strText;
    }
    ULONGLONG nSize = listing.nSize;
    FILETIME ftLastWrite = listing.ftLastWrite;
    CFile file;
    if (bHeld) {
        // The listing shows the size and time of a file held open only once it is closed.
        OpenForSearch(file, pszName);
        BY_HANDLE_FILE_INFORMATION info;
        if (!file.IsOpen() || !::GetFileInformationByHandle(file.m_hFile, &info))
            return entry.strText;
        nSize = MakeSize(info.nFileSizeHigh, info.nFileSizeLow);
        ftLastWrite = info.ftLastWriteTime;
    }
    if (entry.bRead && entry.nSize == nSize && SameTime(entry.ftLastWrite, ftLastWrite))
        return entry.strText;
    if (!file.IsOpen())
        OpenForSearch(file, pszName);
    // A file that would not open is tried again next time; one that would not decode is not.
    if (file.IsOpen())
        entry = Entry{nSize, ftLastWrite, ReadFoldedText(file), true, true};
    return entry.strText;
}

void CPadTextCache::ForgetUnasked() {
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (it->second.bAsked) {
            it->second.bAsked = false;
            ++it;
        } else {
            it = m_entries.erase(it);
        }
    }
}
