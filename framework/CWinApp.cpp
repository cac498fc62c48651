#include "framework/CWinApp.h"

#include <stdlib.h>

#include "framework/ShellDlls.h"
#include "res/resource.h"

namespace {
// The one application object of the process; it registers itself when constructed.
CWinApp* g_pApp = NULL;

const char* FindFileName(const char* pszPath) {
    const char* pName = pszPath;
    for (const char* p = pszPath; *p; p = CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            pName = p + 1;
    return pName;
}
} // namespace

CWinApp::CWinApp(const char* pszAppName)
    : m_pszAppName(NULL), m_hInstance(NULL), m_lpCmdLine(""), m_pMainWnd(NULL),
      m_strAppName(pszAppName) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = NULL;
}

void CWinApp::InitApplication(HINSTANCE hInstance, const char* pszCmdLine) {
    m_hInstance = hInstance;
    m_lpCmdLine = pszCmdLine;

    char* pszPath = m_strExePath.GetBuffer(MAX_PATH);
    DWORD n = pszPath ? GetModuleFileNameA(hInstance, pszPath, MAX_PATH + 1) : 0;
    m_strExePath.ReleaseBuffer(n <= MAX_PATH ? static_cast<int>(n) : 0);

    // Without a name of its own the application takes its title from the string table.
    if (m_strAppName.IsEmpty())
        m_strAppName.LoadString(IDS_APP_TITLE);
    m_pszAppName = m_strAppName;

    // The profile is named after the executable: Quillow.exe keeps QUILLOW.INI.
    CString strName = FindFileName(m_strExePath);
    for (int i = strName.GetLength() - 1; i >= 0; --i) {
        if (strName.GetAt(i) == '.') {
            strName.Truncate(i);
            break;
        }
    }
    m_strProfileName = strName.MakeUpper() + ".INI";
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) {
    return static_cast<int>(
        GetPrivateProfileIntA(pszSection, pszEntry, nDefault, m_strProfileName));
}

BOOL CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) {
    return WritePrivateProfileStringA(pszSection, pszEntry, CString::FromInt(nValue),
                                      m_strProfileName);
}

CString CWinApp::GetProfileString(const char* pszSection, const char* pszEntry,
                                  const char* pszDefault) {
    // GetPrivateProfileString gives no length, so grow until the value fits.
    CString strValue;
    for (DWORD nSize = 256;; nSize *= 2) {
        char* p = strValue.GetBuffer(static_cast<int>(nSize));
        if (!p)
            return CString(pszDefault);
        DWORD n = GetPrivateProfileStringA(pszSection, pszEntry, pszDefault ? pszDefault : "", p,
                                           nSize + 1, m_strProfileName);
        if (n < nSize || nSize >= 0x100000) {
            strValue.ReleaseBuffer(static_cast<int>(n));
            return strValue;
        }
    }
}

BOOL CWinApp::WriteProfileString(const char* pszSection, const char* pszEntry,
                                 const char* pszValue) {
    return WritePrivateProfileStringA(pszSection, pszEntry, pszValue, m_strProfileName);
}

CString CWinApp::GetHelpFilePath() const {
    CString strPath = m_strExePath;
    for (int i = strPath.GetLength() - 1; i >= 0; --i) {
        if (strPath.GetAt(i) == '.') {
            strPath.Truncate(i);
            break;
        }
    }
    return strPath + ".htm";
}

void CWinApp::OnHelp() {
    AfxShellExecute(NULL, "open", GetHelpFilePath(), NULL, NULL, SW_SHOWNORMAL);
}

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : NULL; }

HINSTANCE AfxGetResourceHandle() {
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : GetModuleHandleA(NULL);
}

const char* AfxGetAppName() { return g_pApp && g_pApp->m_pszAppName ? g_pApp->m_pszAppName : ""; }
