#include "framework/CFileFind.h"

#include "framework/CodePage.h"

CFileFind::CFileFind() : m_hFind(INVALID_HANDLE_VALUE), m_data() {}

CFileFind::~CFileFind() { Close(); }

BOOL CFileFind::FindFile(const char* pszPattern) {
    Close();
    CStringW strPattern = FromCodePage(pszPattern);
    if (strPattern.IsEmpty())
        return FALSE;
    m_hFind = ::FindFirstFileW(strPattern, &m_data);
    return m_hFind != INVALID_HANDLE_VALUE;
}

BOOL CFileFind::FindNextFile() {
    return m_hFind != INVALID_HANDLE_VALUE && ::FindNextFileW(m_hFind, &m_data);
}

BOOL CFileFind::GetFileName(CString& strName) const {
    return ToCodePageExactly(m_data.cFileName, strName);
}

void CFileFind::Close() {
    if (m_hFind != INVALID_HANDLE_VALUE) {
        ::FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }
}
