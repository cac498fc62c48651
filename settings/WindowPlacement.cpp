#include "settings/WindowPlacement.h"

#include <string.h>

#include "settings/PadSettings.h"
#include "settings/SettingsKeys.h"

namespace {

// The contents window keeps its position in the global section, whose size keys hold the
// default pad size instead of a window's own.
bool IsGlobalSection(const char* pszSection) {
    return _stricmp(pszSection, QUILLOW_GLOBAL_SECTION) == 0;
}

// Where the window is, or for a minimised one, where it comes back to: its own rectangle is
// then its icon's, far off the screen and the size of a caption.
BOOL GetPlaceToKeep(HWND hWnd, RECT& rect) {
    if (!::IsIconic(hWnd))
        return ::GetWindowRect(hWnd, &rect);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(hWnd, &placement))
        return FALSE;
    rect = placement.rcNormalPosition;
    // The restored place counts from the work area's corner, which a taskbar at the top or the
    // left moves, except for tool windows.
    if (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
        return TRUE;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoA(::MonitorFromRect(&rect, MONITOR_DEFAULTTOPRIMARY), &monitor))
        ::OffsetRect(&rect, monitor.rcWork.left - monitor.rcMonitor.left,
                     monitor.rcWork.top - monitor.rcMonitor.top);
    return TRUE;
}

} // namespace

void SaveWindowPlacement(HWND hWnd, const char* pszSection) {
    // A window already gone has no place to keep.
    RECT rect;
    if (!GetPlaceToKeep(hWnd, rect))
        return;
    WritePosition(pszSection, rect.left, rect.top);
    if (!IsGlobalSection(pszSection))
        WriteSize(pszSection, rect.right - rect.left, rect.bottom - rect.top);
}

void RestoreWindowPlacement(HWND hWnd, const char* pszSection) {
    RestoreWindowPlacement(hWnd, pszSection, ReadPadSections(pszSection));
}

void RestoreWindowPlacement(HWND hWnd, const char* pszSection, const PadSections& sections) {
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    RECT rectDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rectDesktop);

    const StoredPlacement noPlacement = {0, 0, 0, 0};
    StoredPlacement defaultSize = ReadPlacement(sections.global, noPlacement);
    const StoredPlacement defaults = {rect.left, rect.top, defaultSize.cx, defaultSize.cy};
    StoredPlacement placement = ReadPlacement(sections.pad, defaults);

    // Only the top-left corner is pulled back, and only onto the primary display.
    if (placement.x < 0 || placement.x > rectDesktop.right || placement.y < 0 ||
        placement.y > rectDesktop.bottom) {
        placement.x = 0;
        placement.y = 0;
    }
    if (IsGlobalSection(pszSection)) {
        placement.cx = 0;
        placement.cy = 0;
    }

    // SWP_NOZORDER keeps the stacking order and the top-most state as they are.
    if (placement.cx <= 0 || placement.cy <= 0)
        ::SetWindowPos(hWnd, HWND_TOPMOST, placement.x, placement.y, 0, 0,
                       SWP_NOZORDER | SWP_NOSIZE);
    else
        ::SetWindowPos(hWnd, HWND_TOPMOST, placement.x, placement.y, placement.cx, placement.cy,
                       SWP_NOZORDER);
}
