#include "framework/CString.h"

#include <ctype.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "framework/Module.h"

namespace {
// What an empty string points to, so that it needs no allocation.
template <typename TChar> TChar* Nil() {
    static TChar chNil = 0;
    return &chNil;
}

int StringLength(const char* psz) { return static_cast<int>(strlen(psz)); }
int StringLength(const wchar_t* psz) { return static_cast<int>(wcslen(psz)); }
} // namespace

template <typename TChar>
CStringT<TChar>::CStringT() : m_pchData(Nil<TChar>()), m_nLength(0), m_nCapacity(0) {}

template <typename TChar> CStringT<TChar>::CStringT(const TChar* psz) : CStringT() {
    if (psz)
        Assign(psz, StringLength(psz));
}

template <typename TChar> CStringT<TChar>::CStringT(const TChar* pch, int nLength) : CStringT() {
    if (pch && nLength > 0)
        Assign(pch, nLength);
}

template <typename TChar> CStringT<TChar>::CStringT(const CStringT& other) : CStringT() {
    Assign(other.m_pchData, other.m_nLength);
}

template <typename TChar>
CStringT<TChar>::CStringT(CStringT&& other) noexcept
    : m_pchData(other.m_pchData), m_nLength(other.m_nLength), m_nCapacity(other.m_nCapacity) {
    other.m_pchData = Nil<TChar>();
    other.m_nLength = 0;
    other.m_nCapacity = 0;
}

template <typename TChar> CStringT<TChar>::~CStringT() {
    if (m_nCapacity)
        free(m_pchData);
}

template <typename TChar> CStringT<TChar>& CStringT<TChar>::operator=(const CStringT& other) {
    if (this != &other)
        Assign(other.m_pchData, other.m_nLength);
    return *this;
}

template <typename TChar> CStringT<TChar>& CStringT<TChar>::operator=(CStringT&& other) noexcept {
    if (this != &other) {
        if (m_nCapacity)
            free(m_pchData);
        m_pchData = other.m_pchData;
        m_nLength = other.m_nLength;
        m_nCapacity = other.m_nCapacity;
        other.m_pchData = Nil<TChar>();
        other.m_nLength = 0;
        other.m_nCapacity = 0;
    }
    return *this;
}

template <typename TChar> CStringT<TChar>& CStringT<TChar>::operator=(const TChar* psz) {
    CStringT copy(psz);
    return *this = static_cast<CStringT&&>(copy);
}

template <typename TChar> CStringT<TChar>& CStringT<TChar>::operator+=(const CStringT& other) {
    if (this == &other) {
        CStringT copy(other);
        Append(copy.m_pchData, copy.m_nLength);
    } else {
        Append(other.m_pchData, other.m_nLength);
    }
    return *this;
}

template <typename TChar> CStringT<TChar>& CStringT<TChar>::operator+=(const TChar* psz) {
    if (psz)
        *this += CStringT(psz);
    return *this;
}

template <typename TChar> CStringT<TChar>& CStringT<TChar>::operator+=(TChar ch) {
    Append(&ch, 1);
    return *this;
}

template <typename TChar> void CStringT<TChar>::Empty() { Truncate(0); }

template <typename TChar> bool CStringT<TChar>::Equals(const CStringT& other) const {
    return m_nLength == other.m_nLength &&
           memcmp(m_pchData, other.m_pchData, m_nLength * sizeof(TChar)) == 0;
}

template <typename TChar> bool CStringT<TChar>::Reserve(int nCapacity) {
    if (nCapacity <= m_nCapacity)
        return true;
    const size_t nBytes = (static_cast<size_t>(nCapacity) + 1) * sizeof(TChar);
    TChar* p = static_cast<TChar*>(m_nCapacity ? realloc(m_pchData, nBytes) : malloc(nBytes));
    if (!p)
        return false;
    if (!m_nCapacity)
        p[0] = 0;
    m_pchData = p;
    m_nCapacity = nCapacity;
    return true;
}

template <typename TChar> void CStringT<TChar>::Assign(const TChar* pch, int nLength) {
    if (nLength <= 0) {
        Truncate(0);
        return;
    }
    if (!Reserve(nLength))
        return;
    memmove(m_pchData, pch, nLength * sizeof(TChar));
    m_pchData[nLength] = 0;
    m_nLength = nLength;
}

template <typename TChar> void CStringT<TChar>::Append(const TChar* pch, int nLength) {
    if (nLength <= 0)
        return;
    int nNew = m_nLength + nLength;
    // Grow geometrically so that building a long text piece by piece stays linear.
    if (nNew > m_nCapacity && !Reserve(nNew > 2 * m_nCapacity ? nNew : 2 * m_nCapacity))
        return;
    memcpy(m_pchData + m_nLength, pch, nLength * sizeof(TChar));
    m_nLength = nNew;
    m_pchData[m_nLength] = 0;
}

template <typename TChar> CStringT<TChar> CStringT<TChar>::Mid(int nFirst, int nCount) const {
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst > m_nLength)
        nFirst = m_nLength;
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nLength - nFirst)
        nCount = m_nLength - nFirst;
    return CStringT(m_pchData + nFirst, nCount);
}

template <typename TChar> CStringT<TChar> CStringT<TChar>::Mid(int nFirst) const {
    return Mid(nFirst, m_nLength);
}

template <typename TChar> CStringT<TChar> CStringT<TChar>::Left(int nCount) const {
    return Mid(0, nCount);
}

template <typename TChar> CStringT<TChar> CStringT<TChar>::Right(int nCount) const {
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nLength)
        nCount = m_nLength;
    return Mid(m_nLength - nCount, nCount);
}

template <typename TChar> void CStringT<TChar>::Truncate(int nNewLength) {
    if (nNewLength < 0 || nNewLength >= m_nLength)
        return;
    m_nLength = nNewLength;
    m_pchData[m_nLength] = 0;
}

template <typename TChar> TChar* CStringT<TChar>::GetBuffer(int nMinLength) {
    if (nMinLength < m_nLength)
        nMinLength = m_nLength;
    if (!Reserve(nMinLength > 0 ? nMinLength : 1))
        return NULL;
    return m_pchData;
}

template <typename TChar> void CStringT<TChar>::ReleaseBuffer(int nNewLength) {
    if (!m_nCapacity)
        return;
    if (nNewLength < 0) {
        nNewLength = 0;
        while (nNewLength < m_nCapacity && m_pchData[nNewLength])
            ++nNewLength;
    }
    if (nNewLength > m_nCapacity)
        nNewLength = m_nCapacity;
    m_nLength = nNewLength;
    m_pchData[m_nLength] = 0;
}

template <> CString& CString::TrimLeft() {
    int n = 0;
    while (n < m_nLength && isspace(static_cast<unsigned char>(m_pchData[n])))
        ++n;
    if (n)
        Assign(m_pchData + n, m_nLength - n);
    return *this;
}

template <> CString& CString::TrimRight() {
    int n = m_nLength;
    while (n > 0 && isspace(static_cast<unsigned char>(m_pchData[n - 1])))
        --n;
    Truncate(n);
    return *this;
}

template <> int CString::Compare(const char* psz) const {
    return strcmp(m_pchData, psz ? psz : "");
}

template <> int CString::CompareNoCase(const char* psz) const {
    return _stricmp(m_pchData, psz ? psz : "");
}

template <> BOOL CString::LoadString(UINT nID) {
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

// The system's own formatting, not the C++ runtime's: no format here needs more, and the
// runtime's brings its floating-point printing into the program.
template <> void CString::Format(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    va_list measure;
    va_copy(measure, args);
    int n = _vscprintf(pszFormat, measure);
    va_end(measure);
    if (n > 0 && GetBuffer(n)) {
        _vsnprintf(m_pchData, static_cast<size_t>(n) + 1, pszFormat, args);
        ReleaseBuffer(n);
    } else {
        Empty();
    }
    va_end(args);
}

template <> CString CString::FromInt(int nValue) {
    CString s;
    s.Format("%d", nValue);
    return s;
}

template class CStringT<char>;
template class CStringT<wchar_t>;
