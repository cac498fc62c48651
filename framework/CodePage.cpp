#include "framework/CodePage.h"

CStringW FromCodePage(const char* psz) {
    CStringW strWide;
    int nLength = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    wchar_t* p = nLength > 0 ? strWide.GetBuffer(nLength) : NULL;
    if (!p)
        return CStringW();
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, p, nLength);
    strWide.ReleaseBuffer();
    return strWide;
}

BOOL ToCodePageExactly(const wchar_t* psz, CString& str) {
    str.Empty();
    int nLength = ::WideCharToMultiByte(CP_ACP, 0, psz, -1, NULL, 0, NULL, NULL);
    char* p = nLength > 0 ? str.GetBuffer(nLength) : NULL;
    if (!p)
        return FALSE;
    ::WideCharToMultiByte(CP_ACP, 0, psz, -1, p, nLength, NULL, NULL);
    str.ReleaseBuffer();
    if (FromCodePage(str) == psz)
        return TRUE;
    str.Empty();
    return FALSE;
}
