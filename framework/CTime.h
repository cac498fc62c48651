// A moment in time, formatted in local time.
#pragma once
#include <time.h>

#include "framework/CString.h"

class CTime {
  public:
    CTime() : m_time(0) {}
    explicit CTime(__time64_t time) : m_time(time) {}
    // A local date and time (month 1-12).
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    static CTime GetCurrentTime();

    // strftime-style formatting in local time; the program sets no locale, so names
    // of days and AM/PM are those of the C locale.
    CString Format(const char* pszFormat) const;
    struct tm* GetLocalTm(struct tm* ptm) const;

  private:
    __time64_t m_time;
};
