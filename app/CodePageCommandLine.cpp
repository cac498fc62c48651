#include "app/CodePageCommandLine.h"

#include <windows.h>

#include "framework/CodePage.h"

namespace {

const wchar_t kUnnamableHead[] = L"Quillow cannot open ";
const wchar_t kUnnamableTail[] =
    L": its name has characters outside the system's code page.\n\nRename the file (or its "
    L"folder) with characters of the code page, then open it again.";

// The path without the one pair of quotes that may surround it.
CStringW Unquoted(const wchar_t* pszArgs) {
    CStringW strPath(pszArgs);
    int nLength = strPath.GetLength();
    if (nLength >= 2 && strPath.GetAt(0) == L'"' && strPath.GetAt(nLength - 1) == L'"')
        return strPath.Mid(1, nLength - 2);
    return strPath;
}

} // namespace

void RefuseUnnamablePad(const wchar_t* pszArgs, const char* pszCaption) {
    CStringW strMessage = kUnnamableHead + Unquoted(pszArgs) + kUnnamableTail;
    ::MessageBoxW(NULL, strMessage, FromCodePage(pszCaption), MB_OK | MB_ICONSTOP);
}
