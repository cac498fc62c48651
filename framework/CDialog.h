// A dialog built from a template in the program's resources and run modally.
//
// The modal loop is our own rather than the system's DialogBox: the system loop shows the
// dialog again when it finds it hidden on its first idle, which would undo a dialog that
// hides itself while it is first shown.
#pragma once
#include <windows.h>

#include "framework/CWnd.h"

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);

    // Creates the dialog, disables its owner, runs until EndDialog or the window's
    // destruction, and returns the code given to EndDialog (-1 when it never ran).
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    // Sees every message of the modal loop before the dialog's keyboard handling does; TRUE
    // when it handled the message, which then goes no further. For keys that no control asks
    // for, such as a dialog-wide shortcut.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnOK();
    virtual void OnCancel();

    BEGIN_MSG_MAP(CDialog)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialogMessage)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    END_MSG_MAP(CWnd)

  protected:
    HBRUSH OnCtlColor(HDC hDC, HWND hWndCtl, UINT nCtlColor);
    // Makes the dialog with the wide API and runs it with a wide message loop, so that a
    // character typed or pasted reaches its controls as it is, not in the code page.
    void UseUnicode() { m_bUnicode = true; }

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

  private:
    LRESULT OnInitDialogMessage(WPARAM, LPARAM) { return OnInitDialog(); }
    void RunModalLoop();
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWndOwner;
    bool m_bOwnerDisabled;
    bool m_bModalEnded;
    int m_nModalResult;
    bool m_bUnicode;
};
