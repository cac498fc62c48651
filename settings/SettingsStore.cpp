#include "settings/SettingsStore.h"

#include "settings/SettingsFile.h"

int ReadSettingInt(const char* pszSection, const char* pszKey, int nDefault) {
    return static_cast<int>(
        ::GetPrivateProfileIntA(pszSection, pszKey, nDefault, SettingsFilePath()));
}

CString ReadSettingString(const char* pszSection, const char* pszKey, const char* pszDefault) {
    CString strPath = SettingsFilePath();
    // The profile functions give no length, so grow until the value fits.
    CString strValue;
    for (DWORD nSize = 256;; nSize *= 2) {
        char* p = strValue.GetBuffer(static_cast<int>(nSize));
        if (!p)
            return CString(pszDefault);
        DWORD n = ::GetPrivateProfileStringA(pszSection, pszKey, pszDefault ? pszDefault : "", p,
                                             nSize + 1, strPath);
        if (n < nSize || nSize >= 0x100000) {
            strValue.ReleaseBuffer(static_cast<int>(n));
            return strValue;
        }
    }
}

BOOL WriteSettingInt(const char* pszSection, const char* pszKey, int nValue) {
    return WriteSettingString(pszSection, pszKey, CString::FromInt(nValue));
}

BOOL WriteSettingString(const char* pszSection, const char* pszKey, const char* pszValue) {
    return ::WritePrivateProfileStringA(pszSection, pszKey, pszValue, SettingsFilePath());
}

BOOL DeleteSettingsSection(const char* pszSection) {
    return ::WritePrivateProfileStringA(pszSection, NULL, NULL, SettingsFilePath());
}
