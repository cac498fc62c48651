// The application object: one per process. It holds the command line, the main window and
// the application title, and opens the program's help page.
#pragma once
#include <windows.h>

#include "framework/CString.h"

class CWnd;

class CWinApp {
  public:
    // The title is the string resource nIDTitle: the caption of every message box.
    explicit CWinApp(UINT nIDTitle);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Called by the entry point before InitInstance: module, command line, title.
    void InitApplication(HINSTANCE hInstance, const char* pszCmdLine);
    // There is no message loop of the application's own: InitInstance runs the main
    // window and the process ends when it returns.
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Opens the program's help page, a file named after the executable beside it.
    void OnHelp();

    const char* m_pszAppName;
    const char* m_lpCmdLine;
    CWnd* m_pMainWnd;

  private:
    UINT m_nIDTitle;
    CString m_strAppName;
    CString m_strExePath;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
const char* AfxGetAppName();
