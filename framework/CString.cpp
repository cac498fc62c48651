#include "framework/CString.h"

#include <ctype.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "framework/Module.h"

namespace {
char g_chNil = '\0';
}

CString::CString() : m_pchData(&g_chNil), m_nLength(0), m_nCapacity(0) {}

CString::CString(const char* psz) : CString() {
    if (psz)
        Assign(psz, static_cast<int>(strlen(psz)));
}

CString::CString(const char* pch, int nLength) : CString() {
    if (pch && nLength > 0)
        Assign(pch, nLength);
}

CString::CString(const CString& other) : CString() { Assign(other.m_pchData, other.m_nLength); }

CString::CString(CString&& other) noexcept
    : m_pchData(other.m_pchData), m_nLength(other.m_nLength), m_nCapacity(other.m_nCapacity) {
    other.m_pchData = &g_chNil;
    other.m_nLength = 0;
    other.m_nCapacity = 0;
}

CString::~CString() {
    if (m_nCapacity)
        free(m_pchData);
}

CString& CString::operator=(const CString& other) {
    if (this != &other)
        Assign(other.m_pchData, other.m_nLength);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept {
    if (this != &other) {
        if (m_nCapacity)
            free(m_pchData);
        m_pchData = other.m_pchData;
        m_nLength = other.m_nLength;
        m_nCapacity = other.m_nCapacity;
        other.m_pchData = &g_chNil;
        other.m_nLength = 0;
        other.m_nCapacity = 0;
    }
    return *this;
}

CString& CString::operator=(const char* psz) {
    CString copy(psz);
    return *this = static_cast<CString&&>(copy);
}

CString& CString::operator+=(const CString& other) {
    if (this == &other) {
        CString copy(other);
        Append(copy.m_pchData, copy.m_nLength);
    } else {
        Append(other.m_pchData, other.m_nLength);
    }
    return *this;
}

CString& CString::operator+=(const char* psz) {
    if (psz)
        *this += CString(psz);
    return *this;
}

CString& CString::operator+=(char ch) {
    Append(&ch, 1);
    return *this;
}

void CString::Empty() { Truncate(0); }

bool CString::Reserve(int nCapacity) {
    if (nCapacity <= m_nCapacity)
        return true;
    char* p =
        static_cast<char*>(m_nCapacity ? realloc(m_pchData, nCapacity + 1) : malloc(nCapacity + 1));
    if (!p)
        return false;
    if (!m_nCapacity)
        p[0] = '\0';
    m_pchData = p;
    m_nCapacity = nCapacity;
    return true;
}

void CString::Assign(const char* pch, int nLength) {
    if (nLength <= 0) {
        Truncate(0);
        return;
    }
    if (!Reserve(nLength))
        return;
    memmove(m_pchData, pch, nLength);
    m_pchData[nLength] = '\0';
    m_nLength = nLength;
}

void CString::Append(const char* pch, int nLength) {
    if (nLength <= 0)
        return;
    int nNew = m_nLength + nLength;
    // Grow geometrically so that building a long text piece by piece stays linear.
    if (nNew > m_nCapacity && !Reserve(nNew > 2 * m_nCapacity ? nNew : 2 * m_nCapacity))
        return;
    memcpy(m_pchData + m_nLength, pch, nLength);
    m_nLength = nNew;
    m_pchData[m_nLength] = '\0';
}

CString CString::Mid(int nFirst, int nCount) const {
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst > m_nLength)
        nFirst = m_nLength;
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nLength - nFirst)
        nCount = m_nLength - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, m_nLength); }

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nLength)
        nCount = m_nLength;
    return Mid(m_nLength - nCount, nCount);
}

void CString::Truncate(int nNewLength) {
    if (nNewLength < 0 || nNewLength >= m_nLength)
        return;
    m_nLength = nNewLength;
    m_pchData[m_nLength] = '\0';
}

CString& CString::TrimLeft() {
    int n = 0;
    while (n < m_nLength && isspace(static_cast<unsigned char>(m_pchData[n])))
        ++n;
    if (n)
        Assign(m_pchData + n, m_nLength - n);
    return *this;
}

CString& CString::TrimRight() {
    int n = m_nLength;
    while (n > 0 && isspace(static_cast<unsigned char>(m_pchData[n - 1])))
        --n;
    Truncate(n);
    return *this;
}

int CString::Compare(const char* psz) const { return strcmp(m_pchData, psz ? psz : ""); }

int CString::CompareNoCase(const char* psz) const { return _stricmp(m_pchData, psz ? psz : ""); }

BOOL CString::LoadString(UINT nID) {
    // LoadString cannot say how long a string is, so grow until it fits.
    for (int nSize = 256;; nSize *= 2) {
        char* p = GetBuffer(nSize);
        if (!p)
            break;
        int n = ::LoadStringA(AfxGetResourceHandle(), nID, p, nSize + 1);
        if (n < nSize) {
            ReleaseBuffer(n);
            return n > 0;
        }
    }
    Empty();
    return FALSE;
}

void CString::Format(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    va_list measure;
    va_copy(measure, args);
    int n = vsnprintf(NULL, 0, pszFormat, measure);
    va_end(measure);
    if (n > 0 && GetBuffer(n)) {
        vsnprintf(m_pchData, n + 1, pszFormat, args);
        ReleaseBuffer(n);
    } else {
        Empty();
    }
    va_end(args);
}

CString CString::FromInt(int nValue) {
    CString s;
    s.Format("%d", nValue);
    return s;
}

char* CString::GetBuffer(int nMinLength) {
    if (nMinLength < m_nLength)
        nMinLength = m_nLength;
    if (!Reserve(nMinLength > 0 ? nMinLength : 1))
        return NULL;
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
    if (!m_nCapacity)
        return;
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_pchData, m_nCapacity));
    if (nNewLength > m_nCapacity)
        nNewLength = m_nCapacity;
    m_nLength = nNewLength;
    m_pchData[m_nLength] = '\0';
}

CString operator+(const CString& a, const CString& b) {
    CString s(a);
    s += b;
    return s;
}
CString operator+(const CString& a, const char* b) {
    CString s(a);
    s += b;
    return s;
}
CString operator+(const char* a, const CString& b) {
    CString s(a);
    s += b;
    return s;
}
CString operator+(const CString& a, char b) {
    CString s(a);
    s += b;
    return s;
}
bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
