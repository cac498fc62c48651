// The application object: chooses the window this process runs from its command line.
#pragma once
#include "framework/CMutex.h"
#include "framework/CWinApp.h"

class CQuillowApp : public CWinApp {
  public:
    CQuillowApp();
    BOOL InitInstance() override;

  private:
    // Held for the whole life of the process, so that setup can tell Quillow runs.
    CMutex m_mtxRunning;
    // Held by the contents process only.
    CMutex m_mtxContents;
};

// True when the command line asks for the contents window rather than a pad.
bool IsTrayCommandLine(const char* pszCmdLine);
