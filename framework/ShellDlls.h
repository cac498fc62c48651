// Calls into shell32 and comdlg32, which are loaded on first use rather than imported.
//
// Every pad is a process of its own and rarely opens the browser, the mail program, the
// colour picker or the font chooser; importing both DLLs up front costs each pad about a fifth
// of its start-up memory. A DLL that cannot be loaded makes the call fail as the function itself
// would. Loaded modules stay for the life of the process, as imported ones do.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

HINSTANCE AfxShellExecute(HWND hWnd, const char* pszOperation, const char* pszFile,
                          const char* pszParameters, const char* pszDirectory, int nShowCmd);
BOOL AfxShellNotifyIcon(DWORD dwMessage, NOTIFYICONDATAA* pData);
BOOL AfxChooseColor(CHOOSECOLORA* pChooseColor);
BOOL AfxChooseFont(CHOOSEFONTW* pChooseFont);
// SHFileOperationW's own result: 0 for success, else a DE_* or Win32 error code.
int AfxShellFileOperation(SHFILEOPSTRUCTW* pOperation);
