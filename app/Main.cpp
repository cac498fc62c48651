// The process entry: hand the command line to the application object and run it.
#include <windows.h>

#include "app/QuillowApp.h"
#include "framework/CommandLine.h"

namespace {
// The one application object of the process.
CQuillowApp theApp;
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    theApp.InitApplication(hInstance, SkipProgramName(::GetCommandLineW()));
    theApp.InitInstance();
    return theApp.ExitInstance();
}
