#include "framework/CDialog.h"

#include "framework/CWinApp.h"
#include "framework/Module.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd), m_hWndOwner(NULL),
      m_bOwnerDisabled(false), m_bModalEnded(false), m_nModalResult(-1), m_bUnicode(false) {}

INT_PTR CDialog::DoModal() {
    m_bModalEnded = false;
    m_nModalResult = -1;
    m_hWndOwner = this == AfxGetMainWnd() ? NULL : GetSafeOwner(m_pParentWnd);
    m_bOwnerDisabled = m_hWndOwner && ::IsWindowEnabled(m_hWndOwner);
    if (m_bOwnerDisabled)
        ::EnableWindow(m_hWndOwner, FALSE);

    HINSTANCE hInstance = AfxGetResourceHandle();
    LPARAM lParam = reinterpret_cast<LPARAM>(this);
    HWND hWnd = m_bUnicode ? ::CreateDialogParamW(hInstance, MAKEINTRESOURCEW(m_nIDTemplate),
                                                  m_hWndOwner, DialogProc, lParam)
                           : ::CreateDialogParamA(hInstance, MAKEINTRESOURCEA(m_nIDTemplate),
                                                  m_hWndOwner, DialogProc, lParam);
    if (hWnd) {
        // A system-modal dialog stays above every other window; not every platform's dialog
        // manager does that for the template's style alone.
        if (::GetWindowLongA(hWnd, GWL_STYLE) & DS_SYSMODAL)
            ::SetWindowPos(hWnd, HWND_TOPMOST, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // The only showing the loop does: a template without WS_VISIBLE appears once here.
        if (!m_bModalEnded && m_hWnd && !::IsWindowVisible(m_hWnd))
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
        RunModalLoop();
    }

    if (m_bOwnerDisabled)
        ::EnableWindow(m_hWndOwner, TRUE);
    m_bOwnerDisabled = false;
    if (m_hWnd) {
        if (m_hWndOwner && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(m_hWndOwner);
        DestroyWindow();
    }
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    MSG msg;
    while (!m_bModalEnded && m_hWnd) {
        BOOL bResult =
            m_bUnicode ? ::GetMessageW(&msg, NULL, 0, 0) : ::GetMessageA(&msg, NULL, 0, 0);
        if (bResult == 0) {
            // Leave the quit request for whoever runs the next loop out.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (bResult == -1)
            return;
        if (PreTranslateMessage(&msg))
            continue;
        if (m_bUnicode ? m_hWnd && ::IsDialogMessageW(m_hWnd, &msg)
                       : m_hWnd && ::IsDialogMessageA(m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        if (m_bUnicode)
            ::DispatchMessageW(&msg);
        else
            ::DispatchMessageA(&msg);
    }
}

BOOL CDialog::PreTranslateMessage(MSG*) { return FALSE; }

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bModalEnded = true;
    if (!m_hWnd)
        return;
    // As the system's EndDialog does: give the owner its input back, take the focus from
    // the dialog's controls (so they see their loss of focus while the window still exists)
    // and hide the window. The focus is cleared rather than given to the dialog, whose
    // default processing would hand it straight back to the control.
    if (m_bOwnerDisabled) {
        ::EnableWindow(m_hWndOwner, TRUE);
        m_bOwnerDisabled = false;
    }
    HWND hWndFocus = ::GetFocus();
    if (hWndFocus && ::IsChild(m_hWnd, hWndFocus))
        ::SetFocus(NULL);
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

HBRUSH CDialog::OnCtlColor(HDC, HWND, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // Everything after WM_INITDIALOG reaches the object through its subclassed window
    // procedure; this procedure only attaches the object and otherwise asks for the defaults.
    if (uMsg != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = reinterpret_cast<CDialog*>(lParam);
    pDlg->SubclassWindow(hWnd);
    return pDlg->WindowProc(uMsg, wParam, lParam);
}
