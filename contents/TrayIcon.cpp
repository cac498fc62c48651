#include "contents/TrayIcon.h"

#include "framework/ShellDlls.h"
#include "res/resource.h"

namespace {
// The tip of the structure's first form, terminator included.
const int kTipLength = 64;
} // namespace

BOOL AddTrayIcon(HWND hWnd, UINT nID, HICON hIcon, const char* pszTip) {
    NOTIFYICONDATAA data = {};
    // The first form of the structure, with its 64-character tip, is understood by every shell.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = hWnd;
    data.uID = nID;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = hIcon;
    if (pszTip)
        lstrcpynA(data.szTip, pszTip, kTipLength);
    return AfxShellNotifyIcon(NIM_ADD, &data);
}

BOOL RemoveTrayIcon(HWND hWnd, UINT nID) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = hWnd;
    data.uID = nID;
    return AfxShellNotifyIcon(NIM_DELETE, &data);
}
