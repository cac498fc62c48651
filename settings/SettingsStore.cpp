#include "settings/SettingsStore.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
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

// What every settings call of this process shares: the file's place, looked up once, the
// lock, created once, and whether a failed write was told.
class CSettingsProcess {
  public:
    CSettingsProcess()
        : m_strPath(SettingsFilePath()), m_hMutex(NULL), m_bWriteFailureReported(false) {}
    ~CSettingsProcess() {
        if (m_hMutex)
            ::CloseHandle(m_hMutex);
    }
    CSettingsProcess(const CSettingsProcess&) = delete;
    CSettingsProcess& operator=(const CSettingsProcess&) = delete;

    const CString& Path() const { return m_strPath; }
    HANDLE Mutex() {
        if (!m_hMutex)
            m_hMutex = ::CreateMutexA(NULL, FALSE, LockName(m_strPath));
        return m_hMutex;
    }
    // True the first time only.
    bool TakeFailureReport() {
        bool bFirst = !m_bWriteFailureReported;
        m_bWriteFailureReported = true;
        return bFirst;
    }

  private:
    CString m_strPath;
    HANDLE m_hMutex;
    bool m_bWriteFailureReported;
};

CSettingsProcess& ThisProcess() {
    static CSettingsProcess process;
    return process;
}

// Each profile call reads and rewrites the whole file, so calls of different processes at
// the same moment lose each other's keys. This lock makes every call of every Quillow
// process take its turn. It is named after the file, so processes that share a file share
// the lock. It is held for one call, or for one group of reads that belong together, never
// across a message box.
class CSettingsLock {
  public:
    CSettingsLock() : m_hMutex(ThisProcess().Mutex()), m_bOwned(false) {
        if (!m_hMutex)
            return;
        // A holder that ended without letting go leaves the lock abandoned, and ours.
        DWORD dwWait = ::WaitForSingleObject(m_hMutex, kLockTimeoutMs);
        m_bOwned = dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
    }
    ~CSettingsLock() {
        if (m_bOwned)
            ::ReleaseMutex(m_hMutex);
    }
    CSettingsLock(const CSettingsLock&) = delete;
    CSettingsLock& operator=(const CSettingsLock&) = delete;

  private:
    HANDLE m_hMutex;
    bool m_bOwned;
};

// Called after the lock is let go: a message box waits for the user.
BOOL ReportFailedWrite(BOOL bWritten, DWORD dwError, const CString& strPath) {
    if (bWritten || !ThisProcess().TakeFailureReport())
        return bWritten;
    CString strMessage = "Quillow cannot save its settings in " + strPath +
                         ".\n\nError code = " + CString::FromInt(static_cast<int>(dwError)) + ".";
    ::MessageBoxA(CWnd::GetSafeOwner(NULL), strMessage, AfxGetAppName(),
                  MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

// Runs one write of the file under the lock, and reports its failure.
template <typename Write> BOOL WriteLocked(Write write) {
    const CString& strPath = ThisProcess().Path();
    BOOL bWritten = FALSE;
    DWORD dwError = ERROR_SUCCESS;
    {
        CSettingsLock lock;
        bWritten = write(strPath);
        dwError = ::GetLastError();
    }
    return ReportFailedWrite(bWritten, dwError, strPath);
}

// The section's lines, called with the lock held. A section that does not fit comes back
// cut, its length two short of the buffer's.
CString SectionLines(const char* pszSection, const char* pszPath) {
    CString strLines;
    for (DWORD nSize = 1024;; nSize *= 2) {
        char* p = strLines.GetBuffer(static_cast<int>(nSize));
        if (!p)
            return CString();
        DWORD n = ::GetPrivateProfileSectionA(pszSection, p, nSize, pszPath);
        if (n + 2 < nSize || nSize >= 0x100000) {
            strLines.ReleaseBuffer(static_cast<int>(n));
            return strLines;
        }
    }
}

} // namespace

int ReadSettingInt(const char* pszSection, const char* pszKey, int nDefault) {
    const CString& strPath = ThisProcess().Path();
    CSettingsLock lock;
    return static_cast<int>(::GetPrivateProfileIntA(pszSection, pszKey, nDefault, strPath));
}

CString ReadSettingString(const char* pszSection, const char* pszKey, const char* pszDefault) {
    const CString& strPath = ThisProcess().Path();
    CSettingsLock lock;
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

CSettingsSection ReadSettingsSection(const char* pszSection) {
    CSettingsSection section;
    ReadSettingsSections(&pszSection, &section, 1);
    return section;
}

void ReadSettingsSections(const char* const* ppszSections, CSettingsSection* pSections,
                          int nCount) {
    const CString& strPath = ThisProcess().Path();
    CSettingsLock lock;
    for (int i = 0; i < nCount; ++i)
        pSections[i] = CSettingsSection(SectionLines(ppszSections[i], strPath));
}

BOOL WriteSettingInt(const char* pszSection, const char* pszKey, int nValue) {
    return WriteSettingString(pszSection, pszKey, CString::FromInt(nValue));
}

BOOL WriteSettingString(const char* pszSection, const char* pszKey, const char* pszValue) {
    return WriteLocked([&](const char* pszPath) {
        return ::WritePrivateProfileStringA(pszSection, pszKey, pszValue, pszPath);
    });
}

BOOL DeleteSettingsSection(const char* pszSection) {
    return WriteLocked([&](const char* pszPath) {
        return ::WritePrivateProfileStringA(pszSection, NULL, NULL, pszPath);
    });
}
