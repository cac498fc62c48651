#include "app/RunningInstances.h"

#include "contents/ContentsMessages.h"
#include "launch/RunningPads.h"
#include "padfile/PadFileLock.h"
#include "padfile/PadFiles.h"
#include "res/resource.h"

namespace {

// The contents process that holds the mutex may still be creating its window.
const DWORD kFindTimeoutMs = 5000;
const DWORD kFindIntervalMs = 50;

// Another process's contents window: the dialog with the contents caption and the pad list.
HWND FindContentsWindow() {
    HWND hWnd = NULL;
    while ((hWnd = ::FindWindowExA(NULL, hWnd, WC_DIALOG, kContentsTitle)) != NULL) {
        DWORD dwProcess = 0;
        ::GetWindowThreadProcessId(hWnd, &dwProcess);
        if (dwProcess != ::GetCurrentProcessId() && ::GetDlgItem(hWnd, IDC_CONTENTS_LIST))
            return hWnd;
    }
    return NULL;
}

} // namespace

BOOL ShowRunningContents() {
    DWORD dwStart = ::GetTickCount();
    for (;;) {
        HWND hWnd = FindContentsWindow();
        if (hWnd) {
            // Only with this process's leave may the other one come to the foreground.
            DWORD dwProcess = 0;
            ::GetWindowThreadProcessId(hWnd, &dwProcess);
            ::AllowSetForegroundWindow(dwProcess);
            return ::PostMessageA(hWnd, WM_COMMAND, ID_TRAY_CONTENTS, 0);
        }
        if (::GetTickCount() - dwStart >= kFindTimeoutMs)
            return FALSE;
        ::Sleep(kFindIntervalMs);
    }
}

BOOL BringHolderForward(const char* pszCmdLine) {
    if (!*pszCmdLine)
        return FALSE;
    // A file nobody holds, the usual case, is settled without asking any window.
    CString strPath = StripQuotes(pszCmdLine);
    return IsPadFileHeld(strPath) && BringRunningPadForward(strPath);
}
