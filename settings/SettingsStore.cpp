#include "settings/SettingsStore.h"

#include "settings/SettingsFile.h"

namespace {

// Longer than any wait for a read or a rewrite of the file; a holder that hangs beyond it
// costs a lost write at worst, never a hung program.
const DWORD kLockTimeoutMs = 5000;
// Named objects take no backslash and no more than MAX_PATH characters.
const char kLockPrefix[] = "Marrowdale.Quillow.Settings:";
const int kMaxLockName = MAX_PATH - 1;

// The file's path as a name for a named object: the same for every spelling of the path's
// case, with slashes for backslashes, cut from the front when too long.
CString LockName(CString strPath) {
    const int nLength = strPath.GetLength();
    char* p = strPath.GetBuffer(nLength);
    if (!p)
        return CString(kLockPrefix);
    ::CharUpperBuffA(p, static_cast<DWORD>(nLength));
    for (int i = 0; i < nLength; ++i)
        if (p[i] == '\\')
            p[i] = '/';
    strPath.ReleaseBuffer(nLength);
    return kLockPrefix + strPath.Right(kMaxLockName - static_cast<int>(sizeof kLockPrefix - 1));
}

// Each profile call reads and rewrites the whole file, so calls of different processes at
// the same moment lose each other's keys. This lock makes every call of every Quillow
// process take its turn. It is named after the file, so processes that share a file share
// the lock. It is held only for the one call, never across a message box.
class CSettingsLock {
  public:
    explicit CSettingsLock(const CString& strPath)
        : m_hMutex(::CreateMutexA(NULL, FALSE, LockName(strPath))), m_bOwned(false) {
        if (!m_hMutex)
            return;
        // A holder that ended without letting go leaves the lock abandoned, and ours.
        DWORD dwWait = ::WaitForSingleObject(m_hMutex, kLockTimeoutMs);
        m_bOwned = dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
    }
    ~CSettingsLock() {
        if (m_bOwned)
            ::ReleaseMutex(m_hMutex);
        if (m_hMutex)
            ::CloseHandle(m_hMutex);
    }
    CSettingsLock(const CSettingsLock&) = delete;
    CSettingsLock& operator=(const CSettingsLock&) = delete;

  private:
    HANDLE m_hMutex;
    bool m_bOwned;
};

} // namespace

int ReadSettingInt(const char* pszSection, const char* pszKey, int nDefault) {
    CString strPath = SettingsFilePath();
    CSettingsLock lock(strPath);
    return static_cast<int>(::GetPrivateProfileIntA(pszSection, pszKey, nDefault, strPath));
}

CString ReadSettingString(const char* pszSection, const char* pszKey, const char* pszDefault) {
    CString strPath = SettingsFilePath();
    CSettingsLock lock(strPath);
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
    CString strPath = SettingsFilePath();
    CSettingsLock lock(strPath);
    return ::WritePrivateProfileStringA(pszSection, pszKey, pszValue, strPath);
}

BOOL DeleteSettingsSection(const char* pszSection) {
    CString strPath = SettingsFilePath();
    CSettingsLock lock(strPath);
    return ::WritePrivateProfileStringA(pszSection, NULL, NULL, strPath);
}
