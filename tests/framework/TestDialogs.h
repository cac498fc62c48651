// Dialogs of the program's templates created modeless inside a test, so that a test can
// look at them and send them messages between steps.
#pragma once

#include <windows.h>

#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/Module.h"

class CModelessDialog : public CDialog {
  public:
    explicit CModelessDialog(UINT nIDTemplate) : CDialog(nIDTemplate) {}
    ~CModelessDialog() override { DestroyWindow(); }

    bool Create() {
        return ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), NULL,
                                    ModelessProc, reinterpret_cast<LPARAM>(this)) != NULL;
    }

  private:
    static INT_PTR CALLBACK ModelessProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
        if (uMsg != WM_INITDIALOG)
            return FALSE;
        CModelessDialog* pDlg = reinterpret_cast<CModelessDialog*>(lParam);
        pDlg->SubclassWindow(hWnd);
        return pDlg->WindowProc(uMsg, wParam, lParam);
    }
};

// Dispatches this thread's pending messages.
inline void DispatchPending() {
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
