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

CString ToMultiByte(const CStringW& strText, UINT nCodePage) {
    CString strBytes;
    int nLength = strText.GetLength();
    if (nLength == 0)
        return strBytes;
    int nBytes = ::WideCharToMultiByte(nCodePage, 0, strText, nLength, NULL, 0, NULL, NULL);
    char* p = nBytes > 0 ? strBytes.GetBuffer(nBytes) : NULL;
    if (!p)
        return strBytes;
    ::WideCharToMultiByte(nCodePage, 0, strText, nLength, p, nBytes, NULL, NULL);
    strBytes.ReleaseBuffer(nBytes);
    return strBytes;
}

BOOL ToCodePageExactly(const wchar_t* psz, CString& str) {
    str = ToMultiByte(CStringW(psz), CP_ACP);
    if (FromCodePage(str) == psz)
        return TRUE;
    str.Empty();
    return FALSE;
}
