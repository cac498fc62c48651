#include "framework/CFileFind.h"

#include <wchar.h>

#include <new>

CFileFind::CFileFind() : m_hFind(INVALID_HANDLE_VALUE), m_data() {}

CFileFind::~CFileFind() { Close(); }

BOOL CFileFind::FindFile(const char* pszPattern) {
    Close();
    int nLength = ::MultiByteToWideChar(CP_ACP, 0, pszPattern, -1, NULL, 0);
    if (nLength <= 0)
        return FALSE;
    wchar_t* pszWide = new (std::nothrow) wchar_t[nLength];
    if (!pszWide)
        return FALSE;
    ::MultiByteToWideChar(CP_ACP, 0, pszPattern, -1, pszWide, nLength);
    m_hFind = ::FindFirstFileW(pszWide, &m_data);
    delete[] pszWide;
    return m_hFind != INVALID_HANDLE_VALUE;
}

BOOL CFileFind::FindNextFile() {
    return m_hFind != INVALID_HANDLE_VALUE && ::FindNextFileW(m_hFind, &m_data);
}

BOOL CFileFind::GetFileName(CString& strName) const {
    const wchar_t* pszWide = m_data.cFileName;
    int nLength = ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, NULL, 0, NULL, NULL);
    char* p = nLength > 0 ? strName.GetBuffer(nLength) : NULL;
    if (!p)
        return FALSE;
    ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, p, nLength, NULL, NULL);
    strName.ReleaseBuffer();
    // Exact only when the name comes back unchanged, every character of it.
    wchar_t szBack[MAX_PATH];
    int nBack = ::MultiByteToWideChar(CP_ACP, 0, strName, -1, szBack, MAX_PATH);
    return nBack > 0 && wcscmp(szBack, pszWide) == 0;
}

void CFileFind::Close() {
    if (m_hFind != INVALID_HANDLE_VALUE) {
        ::FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }
}
