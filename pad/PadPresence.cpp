#include "pad/PadPresence.h"

#include "launch/RunningPads.h"
#include "padfile/PadFileIdentity.h"
#include "settings/WindowPlacement.h"

namespace {

const UINT_PTR kWatchTimer = 0x5150;
const UINT kWatchIntervalMs = 1000;

// The top-left corner that brings the rectangle inside the area, as far as it fits.
LONG FitInto(LONG nStart, LONG nLength, LONG nAreaStart, LONG nAreaEnd) {
    if (nStart + nLength > nAreaEnd)
        nStart = nAreaEnd - nLength;
    return nStart < nAreaStart ? nAreaStart : nStart;
}

// FALSE when some monitor shows part of the window already.
BOOL MoveOntoMonitor(HWND hWnd) {
    RECT rect;
    if (!::GetWindowRect(hWnd, &rect) || ::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return FALSE;
    MONITORINFO monitor;
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoA(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor))
        return FALSE;
    const RECT& area = monitor.rcWork;
    LONG cx = rect.right - rect.left;
    LONG cy = rect.bottom - rect.top;
    ::SetWindowPos(hWnd, NULL, FitInto(rect.left, cx, area.left, area.right),
                   FitInto(rect.top, cy, area.top, area.bottom), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

} // namespace

BOOL CPadPresence::IsAskedAbout(LPARAM lParam, HANDLE hFile) {
    PadFileIdentity asked;
    PadFileIdentity held;
    return ReadHoldsFileRequest(lParam, asked) && hFile != INVALID_HANDLE_VALUE &&
           GetHandleIdentity(hFile, held) && IsSameFile(asked, held);
}

void CPadPresence::ComeForward(HWND hWnd, const char* pszSection, BOOL bActivate) {
    StopWatching(hWnd);
    ::ShowWindow(hWnd, bActivate ? SW_SHOW : SW_SHOWNA);
    if (::IsIconic(hWnd))
        ::ShowWindow(hWnd, bActivate ? SW_RESTORE : SW_SHOWNOACTIVATE);
    if (MoveOntoMonitor(hWnd))
        SaveWindowPlacement(hWnd, pszSection);
    if (!bActivate)
        return;
    // HWND_TOP keeps a top-most window in the top-most band.
    ::SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(hWnd);
}

BOOL CPadPresence::Hide(HWND hWnd, const char* pszSection, DWORD dwHider) {
    StopWatching(hWnd);
    // A hidden pad that nothing could show again would be lost to the user.
    m_hHider = ::OpenProcess(SYNCHRONIZE, FALSE, dwHider);
    if (!m_hHider || !::SetTimer(hWnd, kWatchTimer, kWatchIntervalMs, NULL)) {
        StopWatching(hWnd);
        return FALSE;
    }
    SaveWindowPlacement(hWnd, pszSection);
    ::ShowWindow(hWnd, SW_HIDE);
    return TRUE;
}

void CPadPresence::OnTimer(HWND hWnd, const char* pszSection, WPARAM nIDEvent) {
    if (nIDEvent != kWatchTimer)
        return;
    if (!m_hHider || ::WaitForSingleObject(m_hHider, 0) != WAIT_TIMEOUT)
        ComeForward(hWnd, pszSection, FALSE);
}

void CPadPresence::StopWatching(HWND hWnd) {
    if (hWnd)
        ::KillTimer(hWnd, kWatchTimer);
    if (m_hHider)
        ::CloseHandle(m_hHider);
    m_hHider = NULL;
}
