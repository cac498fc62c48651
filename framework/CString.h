// Small string value types: CString holds 8-bit text in the code page, CStringW UTF-16 text.
// Copies are independent; the buffer is always NUL-terminated, so a string passes straight to
// the Win32 API. A string may hold NULs of its own: its length says where it ends.
#pragma once
#include <windows.h>

template <typename TChar> class CStringT {
  public:
    CStringT();
    CStringT(const TChar* psz);
    CStringT(const TChar* pch, int nLength);
    CStringT(const CStringT& other);
    CStringT(CStringT&& other) noexcept;
    ~CStringT();

    CStringT& operator=(const CStringT& other);
    CStringT& operator=(CStringT&& other) noexcept;
    CStringT& operator=(const TChar* psz);
    CStringT& operator+=(const CStringT& other);
    CStringT& operator+=(const TChar* psz);
    CStringT& operator+=(TChar ch);

    int GetLength() const { return m_nLength; }
    bool IsEmpty() const { return m_nLength == 0; }
    void Empty();
    operator const TChar*() const { return m_pchData; }
    const TChar* GetString() const { return m_pchData; }
    TChar GetAt(int nIndex) const { return m_pchData[nIndex]; }
    // The same characters, NULs included.
    bool Equals(const CStringT& other) const;

    // Substrings clamp their bounds: a negative count gives the empty string.
    CStringT Mid(int nFirst, int nCount) const;
    CStringT Mid(int nFirst) const;
    CStringT Left(int nCount) const;
    CStringT Right(int nCount) const;
    void Truncate(int nNewLength);

    // Direct access for Win32 calls that fill a buffer: reserve, let the call write,
    // then release with the length written (or -1 to measure up to the terminator).
    TChar* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

    // The rest is for 8-bit text only.
    CStringT& TrimLeft();
    CStringT& TrimRight();
    int Compare(const TChar* psz) const;
    int CompareNoCase(const TChar* psz) const;
    // Loads a string resource of the program; leaves the string empty when it is missing.
    BOOL LoadString(UINT nID);
    // printf-style formatting into a buffer sized to fit the result.
    void Format(const TChar* pszFormat, ...);
    static CStringT FromInt(int nValue);

  private:
    void Assign(const TChar* pch, int nLength);
    void Append(const TChar* pch, int nLength);
    bool Reserve(int nCapacity);

    TChar* m_pchData;
    int m_nLength;
    int m_nCapacity;
};

typedef CStringT<char> CString;
typedef CStringT<wchar_t> CStringW;

template <typename TChar>
CStringT<TChar> operator+(const CStringT<TChar>& a, const CStringT<TChar>& b) {
    CStringT<TChar> s(a);
    s += b;
    return s;
}
template <typename TChar> CStringT<TChar> operator+(const CStringT<TChar>& a, const TChar* b) {
    CStringT<TChar> s(a);
    s += b;
    return s;
}
template <typename TChar> CStringT<TChar> operator+(const TChar* a, const CStringT<TChar>& b) {
    CStringT<TChar> s(a);
    s += b;
    return s;
}
template <typename TChar> CStringT<TChar> operator+(const CStringT<TChar>& a, TChar b) {
    CStringT<TChar> s(a);
    s += b;
    return s;
}
template <typename TChar> bool operator==(const CStringT<TChar>& a, const CStringT<TChar>& b) {
    return a.Equals(b);
}
template <typename TChar> bool operator==(const CStringT<TChar>& a, const TChar* b) {
    return a.Equals(b);
}
template <typename TChar> bool operator==(const TChar* a, const CStringT<TChar>& b) {
    return b.Equals(a);
}
template <typename TChar> bool operator!=(const CStringT<TChar>& a, const CStringT<TChar>& b) {
    return !a.Equals(b);
}
template <typename TChar> bool operator!=(const CStringT<TChar>& a, const TChar* b) {
    return !a.Equals(b);
}
