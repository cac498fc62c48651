#include "settings/SettingsSection.h"

namespace {

// The profile functions read an integer from a value cut to this many characters.
const int kMaxIntText = 29;

int DigitValue(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'z')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'Z')
        return ch - 'A' + 10;
    return 99;
}

} // namespace

CString CSettingsSection::GetString(const char* pszKey) const {
    for (int nStart = 0; nStart < m_strLines.GetLength();) {
        CString strLine(m_strLines.GetString() + nStart);
        nStart += strLine.GetLength() + 1;
        int nEquals = 0;
        while (nEquals < strLine.GetLength() && strLine.GetAt(nEquals) != '=')
            ++nEquals;
        CString strKey = strLine.Left(nEquals);
        if (nEquals == strLine.GetLength() || strKey.TrimLeft().TrimRight().CompareNoCase(pszKey))
            continue;
        CString strValue = strLine.Mid(nEquals + 1);
        strValue.TrimLeft().TrimRight();
        int n = strValue.GetLength();
        char chQuote = n >= 2 ? strValue.GetAt(0) : '\0';
        if ((chQuote == '"' || chQuote == '\'') && strValue.GetAt(n - 1) == chQuote)
            strValue = strValue.Mid(1, n - 2);
        return strValue;
    }
    return CString();
}

int CSettingsSection::GetInt(const char* pszKey, int nDefault) const {
    CString strValue = GetString(pszKey).Left(kMaxIntText);
    if (strValue.IsEmpty())
        return nDefault;
    const char* p = strValue.GetString();
    while (*p && static_cast<unsigned char>(*p) <= ' ')
        ++p;
    bool bNegative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    unsigned nBase = 10;
    if (p[0] == '0' && p[1] == 'x')
        nBase = 16;
    else if (p[0] == '0' && p[1] == 'o')
        nBase = 8;
    else if (p[0] == '0' && p[1] == 'b')
        nBase = 2;
    if (nBase != 10)
        p += 2;
    // Digits up to the first that does not belong, wrapping as the profile functions do.
    unsigned nValue = 0;
    for (; *p && static_cast<unsigned>(DigitValue(*p)) < nBase; ++p)
        nValue = nValue * nBase + static_cast<unsigned>(DigitValue(*p));
    return static_cast<int>(bNegative ? 0u - nValue : nValue);
}
