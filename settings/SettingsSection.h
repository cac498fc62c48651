// The lines of one section of the settings file as one reading found them, and the values in
// them, found as the profile functions find them. Several values read from one reading belong
// together: no other process's write falls between them.
#pragma once
#include "framework/CString.h"

class CSettingsSection {
  public:
    CSettingsSection() {}
    // "key=value" lines, each ended by a NUL.
    explicit CSettingsSection(const CString& strLines) : m_strLines(strLines) {}

    // The value, or empty when the key is missing. Blanks around the key and the value go,
    // and so does one pair of single or double quotes around the value.
    CString GetString(const char* pszKey) const;
    // The number the value begins with, read as GetPrivateProfileInt reads it (a sign, then
    // "0x", "0o" or "0b" for another base); nDefault when the value is missing or empty.
    int GetInt(const char* pszKey, int nDefault) const;

  private:
    CString m_strLines;
};
