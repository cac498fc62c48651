#include "app/QuillowApp.h"

#include <string.h>

#include "contents/ContentsDlg.h"
#include "pad/PadDlg.h"
#include "res/resource.h"

namespace {
const char kTraySwitch[] = "/tray";
}

bool IsTrayCommandLine(const char* pszCmdLine) { return _stricmp(pszCmdLine, kTraySwitch) == 0; }

// The title, and so every message box's caption, is the string table's.
CQuillowApp::CQuillowApp() : CWinApp(IDS_APP_TITLE) {}

BOOL CQuillowApp::InitInstance() {
    // Each process runs exactly one dialog and ends with it.
    if (IsTrayCommandLine(m_lpCmdLine)) {
        CContentsDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
    } else {
        CPadDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
    }
    m_pMainWnd = NULL;
    return FALSE;
}
