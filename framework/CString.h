// A small 8-bit string value type. Copies are independent; the buffer is always
// NUL-terminated, so a CString passes straight to the ANSI Win32 API.
#pragma once
#include <windows.h>

class CString {
  public:
    CString();
    CString(const char* psz);
    CString(const char* pch, int nLength);
    CString(const CString& other);
    CString(CString&& other) noexcept;
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(const char* psz);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    int GetLength() const { return m_nLength; }
    bool IsEmpty() const { return m_nLength == 0; }
    void Empty();
    operator const char*() const { return m_pchData; }
    const char* GetString() const { return m_pchData; }
    char GetAt(int nIndex) const { return m_pchData[nIndex]; }

    // Substrings clamp their bounds: a negative count gives the empty string.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    void Truncate(int nNewLength);

    CString& TrimLeft();
    CString& TrimRight();

    int Compare(const char* psz) const;
    int CompareNoCase(const char* psz) const;

    // Loads a string resource of the program; leaves the string empty when it is missing.
    BOOL LoadString(UINT nID);

    // printf-style formatting into a buffer sized to fit the result.
    void Format(const char* pszFormat, ...);
    static CString FromInt(int nValue);

    // Direct access for Win32 calls that fill a buffer: reserve, let the call write,
    // then release with the length written (or -1 to measure up to the terminator).
    char* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

  private:
    void Assign(const char* pch, int nLength);
    void Append(const char* pch, int nLength);
    bool Reserve(int nCapacity);

    char* m_pchData;
    int m_nLength;
    int m_nCapacity;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
