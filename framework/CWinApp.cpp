#include "framework/CWinApp.h"

#include "framework/Module.h"
#include "framework/ShellDlls.h"

namespace {
// The one application object of the process; it registers itself when constructed.
CWinApp* g_pApp = NULL;

// The executable's full path, however long.
CString GetModulePath(HINSTANCE hInstance) {
    CString strPath;
    for (DWORD nSize = MAX_PATH;; nSize *= 2) {
        char* p = strPath.GetBuffer(static_cast<int>(nSize));
        if (!p)
            return CString();
        DWORD n = ::GetModuleFileNameA(hInstance, p, nSize + 1);
        if (n <= nSize || nSize >= 0x8000) {
            strPath.ReleaseBuffer(n <= nSize ? static_cast<int>(n) : 0);
            return strPath;
        }
    }
}
} // namespace

CWinApp::CWinApp(UINT nIDTitle)
    : m_pszAppName(""), m_lpCmdLine(""), m_pMainWnd(NULL), m_nIDTitle(nIDTitle) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = NULL;
}

void CWinApp::InitApplication(HINSTANCE hInstance, const char* pszCmdLine) {
    AfxSetResourceHandle(hInstance);
    m_lpCmdLine = pszCmdLine;
    m_strExePath = GetModulePath(hInstance);
    m_strAppName.LoadString(m_nIDTitle);
    m_pszAppName = m_strAppName;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::OnHelp() {
    // The help page is named after the executable and lies beside it.
    CString strPath = m_strExePath;
    for (int i = strPath.GetLength() - 1; i >= 0; --i) {
        if (strPath.GetAt(i) == '.') {
            strPath.Truncate(i);
            break;
        }
    }
    AfxShellExecute(NULL, "open", strPath + ".htm", NULL, NULL, SW_SHOWNORMAL);
}

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : NULL; }

const char* AfxGetAppName() { return g_pApp ? g_pApp->m_pszAppName : ""; }
