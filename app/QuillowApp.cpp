#include "app/QuillowApp.h"

#include <string.h>

#include "app/CodePageCommandLine.h"
#include "app/RunningInstances.h"
#include "contents/ContentsDlg.h"
#include "framework/CodePage.h"
#include "pad/PadDlg.h"
#include "res/resource.h"

namespace {
const char kTraySwitch[] = "/tray";
}

bool IsTrayCommandLine(const char* pszCmdLine) { return _stricmp(pszCmdLine, kTraySwitch) == 0; }

// The title, and so every message box's caption, is the string table's.
CQuillowApp::CQuillowApp() : CWinApp(IDS_APP_TITLE), m_bCmdLineExact(FALSE) {
    m_mtxRunning.Create(QUILLOW_RUNNING_MUTEX);
}

void CQuillowApp::InitApplication(HINSTANCE hInstance, const wchar_t* pszCmdLine) {
    m_strWideCmdLine = pszCmdLine;
    m_bCmdLineExact = ToCodePageExactly(pszCmdLine, m_strCmdLine);
    CWinApp::InitApplication(hInstance, m_strCmdLine);
}

BOOL CQuillowApp::InitInstance() {
    // Refused before any file or setting is touched: the code page form names another file.
    if (!m_bCmdLineExact) {
        RefuseUnnamablePad(m_strWideCmdLine, m_pszAppName);
        return FALSE;
    }
    // Each process runs exactly one dialog and ends with it.
    if (IsTrayCommandLine(m_lpCmdLine)) {
        // One contents window: a second start shows the first one and ends, without a second
        // tray icon or a second round of start-up pads.
        if (!ClaimContents(m_mtxContents))
            return FALSE;
        CContentsDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
    } else if (!BringHolderForward(m_lpCmdLine)) {
        CPadDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
    }
    m_pMainWnd = NULL;
    return FALSE;
}
