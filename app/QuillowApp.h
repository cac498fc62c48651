// The application object: chooses the window this process runs from its command line.
#pragma once
#include "framework/CMutex.h"
#include "framework/CString.h"
#include "framework/CWinApp.h"

class CQuillowApp : public CWinApp {
  public:
    CQuillowApp();
    // Takes the arguments in Unicode; m_lpCmdLine gets them in the code page.
    void InitApplication(HINSTANCE hInstance, const wchar_t* pszCmdLine);
    BOOL InitInstance() override;

  private:
    // Held for the whole life of the process, so that setup can tell Quillow runs.
    CMutex m_mtxRunning;
    // Owned by the contents process only.
    CMutex m_mtxContents;
    CStringW m_strWideCmdLine;
    CString m_strCmdLine;
    // Whether m_strCmdLine names exactly what the Unicode command line does.
    BOOL m_bCmdLineExact;
};

// True when the command line asks for the contents window rather than a pad.
bool IsTrayCommandLine(const char* pszCmdLine);
