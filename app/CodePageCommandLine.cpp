#include "app/CodePageCommandLine.h"

#include <wchar.h>

#include <windows.h>

namespace {

const wchar_t kUnnamableHead[] = L"Quillow cannot open ";
const wchar_t kUnnamableTail[] =
    L": its name has characters outside the system's code page.\n\nRename the file (or its "
    L"folder) with characters of the code page, then open it again.";

CStringW ToWide(const char* psz) {
    CStringW strWide;
    int nLength = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    wchar_t* p = nLength > 0 ? strWide.GetBuffer(nLength) : NULL;
    if (!p)
        return CStringW();
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, p, nLength);
    strWide.ReleaseBuffer();
    return strWide;
}

// The path without the one pair of quotes that may surround it.
CStringW Unquoted(const wchar_t* pszArgs) {
    CStringW strPath(pszArgs);
    int nLength = strPath.GetLength();
    if (nLength >= 2 && strPath.GetAt(0) == L'"' && strPath.GetAt(nLength - 1) == L'"')
        return strPath.Mid(1, nLength - 2);
    return strPath;
}

} // namespace

BOOL ToCodePage(const wchar_t* pszArgs, CString& strArgs) {
    strArgs.Empty();
    int nLength = ::WideCharToMultiByte(CP_ACP, 0, pszArgs, -1, NULL, 0, NULL, NULL);
    char* p = nLength > 0 ? strArgs.GetBuffer(nLength) : NULL;
    if (!p)
        return FALSE;
    ::WideCharToMultiByte(CP_ACP, 0, pszArgs, -1, p, nLength, NULL, NULL);
    strArgs.ReleaseBuffer();
    // Exact only when every character comes back as it was: a best-fit look-alike, the
    // default character and a lost half of a pair all come back as something else.
    if (ToWide(strArgs) == pszArgs)
        return TRUE;
    strArgs.Empty();
    return FALSE;
}

void RefuseUnnamablePad(const wchar_t* pszArgs, const char* pszCaption) {
    CStringW strMessage = kUnnamableHead + Unquoted(pszArgs) + kUnnamableTail;
    ::MessageBoxW(NULL, strMessage, ToWide(pszCaption), MB_OK | MB_ICONSTOP);
}
