// The application object: chooses the window this process runs from its command line.
#pragma once
#include "framework/CWinApp.h"

class CQuillowApp : public CWinApp {
  public:
    CQuillowApp();
    BOOL InitInstance() override;
};

// True when the command line asks for the contents window rather than a pad.
bool IsTrayCommandLine(const char* pszCmdLine);
