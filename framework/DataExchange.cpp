#include "framework/DataExchange.h"

#include "framework/CWnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(NULL),
      m_bFailed(false) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    m_hWndLastControl = m_pDlgWnd->GetDlgItem(nIDC);
    return m_hWndLastControl;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!rControl.m_hWnd)
        rControl.m_hWnd = pDX->PrepareCtrl(nIDC);
}

namespace {
template <typename TString> void ExchangeText(CDataExchange* pDX, int nIDC, TString& value) {
    CWnd control(pDX->PrepareCtrl(nIDC));
    if (pDX->m_bSaveAndValidate)
        control.GetWindowText(value);
    else
        control.SetWindowText(value);
    control.m_hWnd = NULL;
}

void ValidateLength(CDataExchange* pDX, int nLength, int nChars) {
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->m_hWndLastControl)
            ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, nChars, 0);
        return;
    }
    if (nLength > nChars) {
        CString strMessage;
        strMessage.Format("Enter no more than %d characters.", nChars);
        pDX->m_pDlgWnd->MessageBox(strMessage, NULL, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) { ExchangeText(pDX, nIDC, value); }

void DDX_Text(CDataExchange* pDX, int nIDC, CStringW& value) { ExchangeText(pDX, nIDC, value); }

void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<BOOL>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    ValidateLength(pDX, value.GetLength(), nChars);
}

void DDV_MaxChars(CDataExchange* pDX, const CStringW& value, int nChars) {
    ValidateLength(pDX, value.GetLength(), nChars);
}
