// The process entry: hand the command line to the application object and run it.
#include <windows.h>

#include "framework/CWinApp.h"
#include "framework/CommandLine.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return 1;
    pApp->InitApplication(hInstance, SkipProgramName(GetCommandLineA()));
    pApp->InitInstance();
    return pApp->ExitInstance();
}
