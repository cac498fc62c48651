// How a pad answers the other processes: whether it holds a file, coming to the front, and
// hiding until it is shown again or the process that hid it ends.
#pragma once
#include <windows.h>

#include "framework/CString.h"

class CPadPresence {
  public:
    CPadPresence() : m_hHider(NULL) {}
    CPadPresence(const CPadPresence&) = delete;
    CPadPresence& operator=(const CPadPresence&) = delete;
    // The window's timer went with the window.
    ~CPadPresence() { StopWatching(NULL); }

    // Whether a WM_COPYDATA's lParam asks about the file open in hFile.
    static BOOL IsAskedAbout(LPARAM lParam, HANDLE hFile);

    // Shows and restores the window, on a monitor, keeping its top-most state, and with
    // bActivate brings it to the front. A window that lay outside every monitor is moved onto
    // the nearest one's work area, and that place is stored in the pad's section.
    void ComeForward(HWND hWnd, const char* pszSection, BOOL bActivate);
    // Hides the window once its place is stored, so that it comes back there. The window shows
    // itself again when the process dwHider ends; FALSE, and the window stays, when that process
    // cannot be watched.
    BOOL Hide(HWND hWnd, const char* pszSection, DWORD dwHider);
    // The watch's timer: wParam of a WM_TIMER.
    void OnTimer(HWND hWnd, const char* pszSection, WPARAM nIDEvent);

  private:
    void StopWatching(HWND hWnd);

    // The process that hid the window, while it is hidden.
    HANDLE m_hHider;
};
