#include "framework/CFileFind.h"

CFileFind::CFileFind() : m_hFind(INVALID_HANDLE_VALUE), m_data() {}

CFileFind::~CFileFind() { Close(); }

BOOL CFileFind::FindFile(const char* pszPattern) {
    Close();
    m_hFind = ::FindFirstFileA(pszPattern, &m_data);
    return m_hFind != INVALID_HANDLE_VALUE;
}

BOOL CFileFind::FindNextFile() {
    return m_hFind != INVALID_HANDLE_VALUE && ::FindNextFileA(m_hFind, &m_data);
}

void CFileFind::Close() {
    if (m_hFind != INVALID_HANDLE_VALUE) {
        ::FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }
}
