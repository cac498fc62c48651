#include "settings/PadFont.h"

#include "framework/CString.h"
#include "framework/CodePage.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {

const char kUtf8Mark[] = "utf-8:";
const int kUtf8MarkLength = sizeof kUtf8Mark - 1;
const char* const kFontKeys[] = {KEY_FONT_FACE,   KEY_FONT_SIZE,      KEY_FONT_WEIGHT,
                                 KEY_FONT_ITALIC, KEY_FONT_UNDERLINE, KEY_FONT_STRIKEOUT,
                                 KEY_TEXT_COLOR};

int ScreenDpi() {
    HDC hDC = ::GetDC(NULL);
    int nDpi = hDC ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
    if (hDC)
        ::ReleaseDC(NULL, hDC);
    return nDpi > 0 ? nDpi : 96;
}

// A whole decimal number, an optional sign and digits only; FALSE for anything else. Numbers
// too long for an int come back as the largest of their sign.
BOOL ParseInt(const char* psz, int& nValue) {
    bool bNegative = *psz == '-';
    if (*psz == '-' || *psz == '+')
        ++psz;
    if (!*psz)
        return FALSE;
    long long nMagnitude = 0;
    for (; *psz; ++psz) {
        if (*psz < '0' || *psz > '9')
            return FALSE;
        if (nMagnitude < 0x80000000LL)
            nMagnitude = nMagnitude * 10 + (*psz - '0');
    }
    if (nMagnitude > 0x7FFFFFFFLL)
        nMagnitude = 0x7FFFFFFFLL;
    nValue = static_cast<int>(bNegative ? -nMagnitude : nMagnitude);
    return TRUE;
}

bool IsDigits(const CString& str) {
    for (int i = 0; i < str.GetLength(); ++i)
        if (str.GetAt(i) < '0' || str.GetAt(i) > '9')
            return false;
    return !str.IsEmpty();
}

// Points with a decimal or not ("12", "10.5"), in tenths of a point within the bounds;
// digits beyond the first decimal are dropped.
BOOL ParseSize(const CString& strValue, int& nSize) {
    int nDot = 0;
    while (nDot < strValue.GetLength() && strValue.GetAt(nDot) != '.')
        ++nDot;
    int nPoints = 0;
    if (!ParseInt(strValue.Left(nDot), nPoints))
        return FALSE;
    int nTenths = 0;
    if (nDot < strValue.GetLength()) {
        CString strFraction = strValue.Mid(nDot + 1);
        if (!IsDigits(strFraction))
            return FALSE;
        nTenths = strFraction.GetAt(0) - '0';
    }
    long long nValue = 10LL * nPoints + (nPoints < 0 ? -nTenths : nTenths);
    nSize = nValue < kMinFontSize   ? kMinFontSize
            : nValue > kMaxFontSize ? kMaxFontSize
                                    : static_cast<int>(nValue);
    return TRUE;
}

CString SizeText(int nSize) {
    CString strText = CString::FromInt(nSize / 10);
    if (nSize % 10)
        strText += CString(".") + CString::FromInt(nSize % 10);
    return strText;
}

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

// The face name a value holds, cut to what a font takes; FALSE when it holds none.
BOOL DecodeFace(const CString& strValue, wchar_t (&szFace)[LF_FACESIZE]) {
    UINT nCodePage = CP_ACP;
    DWORD dwFlags = 0;
    CString strBytes = strValue;
    if (strValue.Left(kUtf8MarkLength).CompareNoCase(kUtf8Mark) == 0) {
        nCodePage = CP_UTF8;
        dwFlags = MB_ERR_INVALID_CHARS;
        strBytes.Empty();
        for (int i = kUtf8MarkLength; i < strValue.GetLength(); ++i) {
            char ch = strValue.GetAt(i);
            if (ch == '%') {
                int nHigh = i + 2 < strValue.GetLength() ? HexDigit(strValue.GetAt(i + 1)) : -1;
                int nLow = nHigh >= 0 ? HexDigit(strValue.GetAt(i + 2)) : -1;
                if (nLow < 0)
                    return FALSE;
                ch = static_cast<char>(nHigh * 16 + nLow);
                i += 2;
            }
            strBytes += ch;
        }
    }
    if (strBytes.IsEmpty())
        return FALSE;
    int nWide = ::MultiByteToWideChar(nCodePage, dwFlags, strBytes, strBytes.GetLength(), NULL, 0);
    CStringW strFace;
    wchar_t* p = nWide > 0 ? strFace.GetBuffer(nWide) : NULL;
    if (!p)
        return FALSE;
    ::MultiByteToWideChar(nCodePage, dwFlags, strBytes, strBytes.GetLength(), p, nWide);
    strFace.ReleaseBuffer(nWide);
    lstrcpynW(szFace, strFace, LF_FACESIZE);
    return TRUE;
}

CString EncodeFace(const wchar_t* pszFace) {
    CString strPlain;
    if (ToCodePageExactly(pszFace, strPlain) &&
        strPlain.Left(kUtf8MarkLength).CompareNoCase(kUtf8Mark) != 0)
        return strPlain;
    const CString strUtf8 = ToMultiByte(CStringW(pszFace), CP_UTF8);
    if (strUtf8.IsEmpty())
        return CString();
    const char kHex[] = "0123456789ABCDEF";
    CString strValue(kUtf8Mark);
    for (int i = 0; i < strUtf8.GetLength(); ++i) {
        unsigned char ch = static_cast<unsigned char>(strUtf8.GetAt(i));
        if (ch < 0x80 && ch != '%') {
            strValue += static_cast<char>(ch);
        } else {
            strValue += '%';
            strValue += kHex[ch >> 4];
            strValue += kHex[ch & 15];
        }
    }
    return strValue;
}

} // namespace

LOGFONTW PadFont::ToLogFont() const {
    LOGFONTW logFont = {};
    logFont.lfHeight = -::MulDiv(nSize, ScreenDpi(), 720);
    logFont.lfWeight = nWeight;
    logFont.lfItalic = bItalic;
    logFont.lfUnderline = bUnderline;
    logFont.lfStrikeOut = bStrikeOut;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(logFont.lfFaceName, szFace, LF_FACESIZE);
    return logFont;
}

PadFont PadFont::FromChoice(const LOGFONTW& logFont, int nSize, COLORREF crText) {
    PadFont font = {};
    lstrcpynW(font.szFace, logFont.lfFaceName, LF_FACESIZE);
    font.nSize = nSize < kMinFontSize ? kMinFontSize : nSize > kMaxFontSize ? kMaxFontSize : nSize;
    font.nWeight = logFont.lfWeight ? logFont.lfWeight : FW_NORMAL;
    font.bItalic = logFont.lfItalic != 0;
    font.bUnderline = logFont.lfUnderline != 0;
    font.bStrikeOut = logFont.lfStrikeOut != 0;
    font.crText = crText;
    return font;
}

PadFont ReadPadFont(const PadSections& sections, const PadFont& builtIn) {
    PadFont font = builtIn;
    // The default first, then the pad's own over it: a value that cannot be read leaves
    // what was there.
    const CSettingsSection* const order[2] = {&sections.global, &sections.pad};
    for (const CSettingsSection* pSection : order) {
        int n = 0;
        DecodeFace(pSection->GetString(KEY_FONT_FACE), font.szFace);
        ParseSize(pSection->GetString(KEY_FONT_SIZE), font.nSize);
        if (ParseInt(pSection->GetString(KEY_FONT_WEIGHT), n))
            font.nWeight = n < FW_THIN ? FW_THIN : n > FW_HEAVY ? FW_HEAVY : n;
        if (ParseInt(pSection->GetString(KEY_FONT_ITALIC), n))
            font.bItalic = n != 0;
        if (ParseInt(pSection->GetString(KEY_FONT_UNDERLINE), n))
            font.bUnderline = n != 0;
        if (ParseInt(pSection->GetString(KEY_FONT_STRIKEOUT), n))
            font.bStrikeOut = n != 0;
        if (ParseInt(pSection->GetString(KEY_TEXT_COLOR), n) && n >= 0 && n <= 0xFFFFFF)
            font.crText = static_cast<COLORREF>(n);
    }
    return font;
}

void WritePadFont(const char* pszSection, const PadFont& font) {
    WriteSettingString(pszSection, KEY_FONT_FACE, EncodeFace(font.szFace));
    WritePadFontSize(pszSection, font.nSize);
    WriteSettingInt(pszSection, KEY_FONT_WEIGHT, font.nWeight);
    WriteSettingInt(pszSection, KEY_FONT_ITALIC, font.bItalic);
    WriteSettingInt(pszSection, KEY_FONT_UNDERLINE, font.bUnderline);
    WriteSettingInt(pszSection, KEY_FONT_STRIKEOUT, font.bStrikeOut);
    WriteSettingInt(pszSection, KEY_TEXT_COLOR, static_cast<int>(font.crText));
}

void WritePadFontSize(const char* pszSection, int nSize) {
    WriteSettingString(pszSection, KEY_FONT_SIZE, SizeText(nSize));
}

void CopyPadFontSettings(const CSettingsSection& oldSection, const char* pszNewSection) {
    for (const char* pszKey : kFontKeys) {
        CString strValue = oldSection.GetString(pszKey);
        if (!strValue.IsEmpty())
            WriteSettingString(pszNewSection, pszKey, strValue);
    }
}
