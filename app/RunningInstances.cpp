#include "app/RunningInstances.h"

#include "contents/ContentsMessages.h"
#include "contents/ShowRequest.h"
#include "launch/RunningPads.h"
#include "padfile/PadFileLock.h"
#include "padfile/PadFiles.h"
#include "res/resource.h"

namespace {

// The contents process that owns the mutex may still be creating its window, or be busy; it
// is given this long to answer.
const DWORD kAnswerTimeoutMs = 5000;
// How often it is asked again, meanwhile waiting for it to end, and how long one asking waits.
const DWORD kAskIntervalMs = 100;
const DWORD kSendTimeoutMs = 500;

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

// Asks the running contents window to show itself; FALSE when it did not answer in time.
// dwShown is its answer: nonzero when it shows itself and goes on running.
BOOL AskToShow(HWND hWnd, UINT nShowMsg, DWORD_PTR& dwShown) {
    // Only with this process's leave may the other one come to the foreground.
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    ::AllowSetForegroundWindow(dwProcess);
    return nShowMsg != 0 && ::SendMessageTimeoutA(hWnd, nShowMsg, 0, 0, SMTO_ABORTIFHUNG,
                                                  kSendTimeoutMs, &dwShown) != 0;
}

} // namespace

BOOL ClaimContents(CMutex& mtxContents) {
    if (!mtxContents.Create(QUILLOW_CONTENTS_MUTEX) || mtxContents.Lock(0))
        return TRUE;
    UINT nShowMsg = ::RegisterWindowMessageA(QUILLOW_SHOW_CONTENTS_MESSAGE);
    DWORD dwLastAnswer = ::GetTickCount();
    // An owner in its Exit question answers that it may be ending; then its end, not a timeout,
    // decides, however long the question stays up.
    while (!mtxContents.Lock(kAskIntervalMs)) {
        HWND hWnd = FindContentsWindow();
        DWORD_PTR dwShown = 0;
        if (hWnd && AskToShow(hWnd, nShowMsg, dwShown)) {
            if (dwShown)
                return FALSE;
            dwLastAnswer = ::GetTickCount();
        } else if (::GetTickCount() - dwLastAnswer >= kAnswerTimeoutMs) {
            // A window too busy to answer (starting its start-up pads, say) shows itself
            // when it can.
            if (hWnd && nShowMsg)
                ::PostMessageA(hWnd, nShowMsg, 0, 0);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL BringHolderForward(const char* pszCmdLine) {
    if (!*pszCmdLine)
        return FALSE;
    // A file nobody holds, the usual case, is settled without asking any window.
    CString strPath = StripQuotes(pszCmdLine);
    return IsPadFileHeld(strPath) && BringRunningPadForward(strPath);
}
