// The least a pad could be: one dialog with one edit control showing a file's text, in a
// plain message loop. The benchmark compares Quillow's pad against it.
#include <windows.h>

namespace {
const int kFloorDialog = 102;
const int kFloorEdit = 1000;
const DWORD kMaxText = 32768;

void ShowFile(HWND hEdit, const char* pszPath);

INT_PTR CALLBACK FloorProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // The text is there when the window first shows, as in a pad.
    if (uMsg == WM_INITDIALOG) {
        ShowFile(GetDlgItem(hWnd, kFloorEdit), reinterpret_cast<const char*>(lParam));
        return TRUE;
    }
    if (uMsg == WM_CLOSE || (uMsg == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(hWnd);
        return TRUE;
    }
    if (uMsg == WM_DESTROY) {
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

// The file's text, as a pad would show it.
void ShowFile(HWND hEdit, const char* pszPath) {
    HANDLE hFile = CreateFileA(pszPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, NULL,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return;
    DWORD nSize = GetFileSize(hFile, NULL);
    char* pText = nSize <= kMaxText ? static_cast<char*>(LocalAlloc(LPTR, nSize + 1)) : NULL;
    DWORD nRead = 0;
    if (pText && ReadFile(hFile, pText, nSize, &nRead, NULL)) {
        pText[nRead] = '\0';
        SetWindowTextA(hEdit, pText);
    }
    if (pText)
        LocalFree(pText);
    CloseHandle(hFile);
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR pszCmdLine, int) {
    HWND hWnd = CreateDialogParamA(hInstance, MAKEINTRESOURCEA(kFloorDialog), NULL, FloorProc,
                                   reinterpret_cast<LPARAM>(pszCmdLine));
    if (!hWnd)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        if (!IsDialogMessageA(hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
