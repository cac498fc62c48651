// The least a pad could be: one dialog with one edit control showing a file's text, in a
// plain message loop. The benchmark compares Quillow's pad against it.
//
// Built with FLOOR_LIKE_PAD it also does what showing text the way Windows does costs a pad:
// a Unicode window and loop, and the text in Tahoma at the dialog font's size (the face that
// Windows links to fonts for other scripts).
#include <windows.h>

namespace {
const int kFloorDialog = 102;
const int kFloorEdit = 1000;
const DWORD kMaxText = 32768;

void ShowFile(HWND hEdit, const char* pszPath);

#ifdef FLOOR_LIKE_PAD
HFONT g_hTextFont;

void UseTextFont(HWND hWnd) {
    LOGFONTW font;
    HFONT hDialogFont = reinterpret_cast<HFONT>(SendMessageW(hWnd, WM_GETFONT, 0, 0));
    if (!hDialogFont || !GetObjectW(hDialogFont, sizeof font, &font))
        return;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    g_hTextFont = CreateFontIndirectW(&font);
    SendMessageW(GetDlgItem(hWnd, kFloorEdit), WM_SETFONT, reinterpret_cast<WPARAM>(g_hTextFont),
                 FALSE);
}
#endif

INT_PTR CALLBACK FloorProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // The text is there when the window first shows, as in a pad.
    if (uMsg == WM_INITDIALOG) {
#ifdef FLOOR_LIKE_PAD
        UseTextFont(hWnd);
#endif
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
#ifdef FLOOR_LIKE_PAD
        int nWide = MultiByteToWideChar(CP_ACP, 0, pText, -1, NULL, 0);
        wchar_t* pWide =
            nWide > 0 ? static_cast<wchar_t*>(LocalAlloc(LPTR, nWide * sizeof(wchar_t))) : NULL;
        if (pWide && MultiByteToWideChar(CP_ACP, 0, pText, -1, pWide, nWide))
            SetWindowTextW(hEdit, pWide);
        if (pWide)
            LocalFree(pWide);
#else
        SetWindowTextA(hEdit, pText);
#endif
    }
    if (pText)
        LocalFree(pText);
    CloseHandle(hFile);
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR pszCmdLine, int) {
#ifdef FLOOR_LIKE_PAD
    HWND hWnd = CreateDialogParamW(hInstance, MAKEINTRESOURCEW(kFloorDialog), NULL, FloorProc,
                                   reinterpret_cast<LPARAM>(pszCmdLine));
    if (!hWnd)
        return 1;
    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        if (!IsDialogMessageW(hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DeleteObject(g_hTextFont);
#else
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
#endif
    return 0;
}
