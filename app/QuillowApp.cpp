#include "app/QuillowApp.h"

#include <string.h>

#include "app/RunningInstances.h"
#include "contents/ContentsDlg.h"
#include "pad/PadDlg.h"
#include "res/resource.h"

namespace {
const char kTraySwitch[] = "/tray";
}

bool IsTrayCommandLine(const char* pszCmdLine) { return _stricmp(pszCmdLine, kTraySwitch) == 0; }

// The title, and so every message box's caption, is the string table's.
CQuillowApp::CQuillowApp() : CWinApp(IDS_APP_TITLE) { m_mtxRunning.Create(QUILLOW_RUNNING_MUTEX); }

BOOL CQuillowApp::InitInstance() {
    // Each process runs exactly one dialog and ends with it.
    if (IsTrayCommandLine(m_lpCmdLine)) {
        // One contents window: a second start shows the first one and ends, without a second
        // tray icon or a second round of start-up pads.
        if (m_mtxContents.Create(QUILLOW_CONTENTS_MUTEX) && m_mtxContents.AlreadyExisted()) {
            ShowRunningContents();
            return FALSE;
        }
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
