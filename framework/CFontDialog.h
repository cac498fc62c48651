// The system's font chooser, in its wide form, so that a face name of any script comes back
// whole.
#pragma once
#include <windows.h>
#include <commdlg.h>

class CWnd;

class CFontDialog {
  public:
    // Starts from the font given (none: the chooser's own first font) and its colour.
    CFontDialog(const LOGFONTW* pInitial, COLORREF crInitial, DWORD dwFlags,
                CWnd* pParentWnd = NULL);
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    // IDOK when the user accepted a font, IDCANCEL otherwise.
    INT_PTR DoModal();
    const LOGFONTW& GetLogFont() const { return m_lf; }
    // In tenths of a point.
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }

    CHOOSEFONTW m_cf;

  private:
    LOGFONTW m_lf;
    CWnd* m_pParentWnd;
};
