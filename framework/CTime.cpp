#include "framework/CTime.h"

#include <string.h>

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
    struct tm t;
    memset(&t, 0, sizeof(t));
    t.tm_year = nYear - 1900;
    t.tm_mon = nMonth - 1;
    t.tm_mday = nDay;
    t.tm_hour = nHour;
    t.tm_min = nMin;
    t.tm_sec = nSec;
    t.tm_isdst = -1;
    m_time = _mktime64(&t);
}

CTime CTime::GetCurrentTime() { return CTime(_time64(NULL)); }

struct tm* CTime::GetLocalTm(struct tm* ptm) const {
    struct tm* pLocal = _localtime64(&m_time);
    if (!pLocal)
        return NULL;
    *ptm = *pLocal;
    return ptm;
}

CString CTime::Format(const char* pszFormat) const {
    CString strResult;
    struct tm t;
    if (!GetLocalTm(&t) || !*pszFormat)
        return strResult;
    // strftime gives 0 both for a buffer too small and for an empty result; stop growing
    // well before the size could matter.
    for (int nSize = 128; nSize <= 0x10000; nSize *= 2) {
        char* p = strResult.GetBuffer(nSize);
        if (!p)
            break;
        size_t n = strftime(p, nSize + 1, pszFormat, &t);
        if (n > 0) {
            strResult.ReleaseBuffer(static_cast<int>(n));
            return strResult;
        }
    }
    strResult.Empty();
    return strResult;
}
