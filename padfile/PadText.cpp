#include "padfile/PadText.h"

#include <string.h>

#include "framework/CodePage.h"

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16Mark[] = "\xFF\xFE";
const char kUtf16BigEndianMark[] = "\xFE\xFF";

bool StartsWith(const CString& strBytes, const char* pszMark) {
    int nLength = static_cast<int>(strlen(pszMark));
    return strBytes.GetLength() >= nLength && memcmp(strBytes, pszMark, nLength) == 0;
}

bool StartsWithMark(const CString& strBytes) {
    return StartsWith(strBytes, kUtf8Mark) || StartsWith(strBytes, kUtf16Mark) ||
           StartsWith(strBytes, kUtf16BigEndianMark);
}

// The text of bytes in a multibyte encoding; FALSE for bytes that are no characters of it.
BOOL ToWide(const char* pch, int nLength, UINT nCodePage, CStringW& strText) {
    strText.Empty();
    if (nLength == 0)
        return TRUE;
    int nWide = ::MultiByteToWideChar(nCodePage, MB_ERR_INVALID_CHARS, pch, nLength, NULL, 0);
    wchar_t* p = nWide > 0 ? strText.GetBuffer(nWide) : NULL;
    if (!p)
        return FALSE;
    ::MultiByteToWideChar(nCodePage, MB_ERR_INVALID_CHARS, pch, nLength, p, nWide);
    strText.ReleaseBuffer(nWide);
    return TRUE;
}

// The bytes of the text in exactly this encoding, whether or not every character fits it.
CString EncodeAs(const CStringW& strText, PadEncoding encoding, UINT nCodePage) {
    switch (encoding) {
    case padUtf8:
        return kUtf8Mark + ToMultiByte(strText, CP_UTF8);
    case padUtf16:
        return kUtf16Mark + CString(reinterpret_cast<const char*>(strText.GetString()),
                                    strText.GetLength() * static_cast<int>(sizeof(wchar_t)));
    default:
        return ToMultiByte(strText, nCodePage);
    }
}

// Whether the text converts to the code page and back without losing a character.
bool FitsCodePage(const CStringW& strText, const CString& strBytes, UINT nCodePage) {
    CStringW strBack;
    return ToWide(strBytes, strBytes.GetLength(), nCodePage, strBack) && strBack == strText;
}

} // namespace

BOOL DecodePadText(const CString& strBytes, CStringW& strText, PadEncoding& encoding,
                   UINT nCodePage) {
    if (StartsWith(strBytes, kUtf16BigEndianMark))
        return FALSE;
    if (StartsWith(strBytes, kUtf8Mark)) {
        encoding = padUtf8;
        int nMark = static_cast<int>(sizeof kUtf8Mark - 1);
        if (!ToWide(strBytes.GetString() + nMark, strBytes.GetLength() - nMark, CP_UTF8, strText))
            return FALSE;
    } else if (StartsWith(strBytes, kUtf16Mark)) {
        encoding = padUtf16;
        int nBody = strBytes.GetLength() - static_cast<int>(sizeof kUtf16Mark - 1);
        if (nBody % sizeof(wchar_t))
            return FALSE;
        strText = CStringW(reinterpret_cast<const wchar_t*>(strBytes.GetString() + 2),
                           nBody / static_cast<int>(sizeof(wchar_t)));
    } else {
        encoding = padCodePage;
        if (!ToWide(strBytes, strBytes.GetLength(), nCodePage, strText))
            return FALSE;
    }
    // Nothing is changed by opening and saving: the text must give back the very same bytes,
    // so no lone half of a UTF-16 character either. A NUL would cut the text short.
    for (int i = 0; i < strText.GetLength(); ++i) {
        wchar_t ch = strText.GetAt(i);
        bool bHigh = ch >= 0xD800 && ch <= 0xDBFF;
        bool bLowNext = i + 1 < strText.GetLength() && strText.GetAt(i + 1) >= 0xDC00 &&
                        strText.GetAt(i + 1) <= 0xDFFF;
        if (ch == 0 || (ch >= 0xDC00 && ch <= 0xDFFF) || (bHigh && !bLowNext))
            return FALSE;
        if (bHigh)
            ++i;
    }
    return EncodeAs(strText, encoding, nCodePage) == strBytes;
}

CString EncodePadText(const CStringW& strText, PadEncoding& encoding, UINT nCodePage) {
    if (encoding == padCodePage) {
        CString strBytes = ToMultiByte(strText, nCodePage);
        // Bytes that begin like a byte-order mark would open as another encoding.
        if (FitsCodePage(strText, strBytes, nCodePage) && !StartsWithMark(strBytes))
            return strBytes;
        encoding = padUtf8;
    }
    return EncodeAs(strText, encoding, nCodePage);
}
