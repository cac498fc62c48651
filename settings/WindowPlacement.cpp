#include "settings/WindowPlacement.h"

#include <string.h>

#include "framework/CWinApp.h"
#include "settings/SettingsKeys.h"

namespace {

// The contents window keeps its position in the global section, whose size keys hold the
// default pad size instead of a window's own.
bool IsGlobalSection(const char* pszSection) {
    return _stricmp(pszSection, QUILLOW_GLOBAL_SECTION) == 0;
}

} // namespace

void SaveWindowPlacement(HWND hWnd, const char* pszSection) {
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileInt(pszSection, KEY_ROW, rect.left);
    pApp->WriteProfileInt(pszSection, KEY_COLUMN, rect.top);
    if (!IsGlobalSection(pszSection)) {
        pApp->WriteProfileInt(pszSection, KEY_WIDTH, rect.right - rect.left);
        pApp->WriteProfileInt(pszSection, KEY_HEIGHT, rect.bottom - rect.top);
    }
}

void RestoreWindowPlacement(HWND hWnd, const char* pszSection) {
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    RECT rectDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rectDesktop);

    CWinApp* pApp = AfxGetApp();
    int x = pApp->GetProfileInt(pszSection, KEY_ROW, rect.left);
    int y = pApp->GetProfileInt(pszSection, KEY_COLUMN, rect.top);
    int nDefaultWidth = pApp->GetProfileInt(QUILLOW_GLOBAL_SECTION, KEY_WIDTH, 0);
    int nDefaultHeight = pApp->GetProfileInt(QUILLOW_GLOBAL_SECTION, KEY_HEIGHT, 0);
    int nWidth = pApp->GetProfileInt(pszSection, KEY_WIDTH, nDefaultWidth);
    int nHeight = pApp->GetProfileInt(pszSection, KEY_HEIGHT, nDefaultHeight);

    // Only the top-left corner is pulled back, and only onto the primary display.
    if (x < 0 || x > rectDesktop.right || y < 0 || y > rectDesktop.bottom) {
        x = 0;
        y = 0;
    }
    if (IsGlobalSection(pszSection)) {
        nWidth = 0;
        nHeight = 0;
    }

    // SWP_NOZORDER keeps the stacking order and the top-most state as they are.
    if (nWidth <= 0 || nHeight <= 0)
        ::SetWindowPos(hWnd, HWND_TOPMOST, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    else
        ::SetWindowPos(hWnd, HWND_TOPMOST, x, y, nWidth, nHeight, SWP_NOZORDER);
}
