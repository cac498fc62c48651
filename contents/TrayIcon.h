// The program's icon in the notification area of the taskbar. Its mouse events reach the
// owner window as WM_TRAY_NOTIFY, with the mouse message in lParam.
#pragma once
#include <windows.h>

// Adds the icon with its tip (cut to 63 characters; none when pszTip is NULL). The notification
// area keeps its own copy of the image; hIcon stays the caller's.
BOOL AddTrayIcon(HWND hWnd, UINT nID, HICON hIcon, const char* pszTip);
BOOL RemoveTrayIcon(HWND hWnd, UINT nID);
