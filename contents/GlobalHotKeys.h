// The keys that work from anywhere while the contents window runs: a new pad, find, show all
// pads and hide all pads. Each is read from the global section of the settings ("Win+Alt+N",
// "none"...) and registered for the contents window, whose WM_HOTKEY then carries its
// ID_HOTKEY_ id. A key that cannot be read or registered stays off; the user hears of it once.
#pragma once
#include <windows.h>

#include "framework/CString.h"

class CGlobalHotKeys {
  public:
    CGlobalHotKeys() : m_hWnd(NULL) {}
    CGlobalHotKeys(const CGlobalHotKeys&) = delete;
    CGlobalHotKeys& operator=(const CGlobalHotKeys&) = delete;
    ~CGlobalHotKeys() { Unregister(); }

    // Registers every key of the settings for the window, keeping what failed for the report.
    void Register(HWND hWnd);
    void Unregister();
    // One message box about the keys that failed, leaving out each failure already reported
    // for the same value; the failures shown are remembered in the settings.
    void ReportFailures(HWND hWndOwner);

  private:
    HWND m_hWnd;
    // One line per failure not yet reported.
    CString m_strFailures;
};
