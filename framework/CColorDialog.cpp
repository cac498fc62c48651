#include "framework/CColorDialog.h"

#include "framework/CWnd.h"
#include "framework/ShellDlls.h"

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : m_cc(), m_pParentWnd(pParentWnd) {
    for (COLORREF& cr : m_crCustom)
        cr = RGB(255, 255, 255);
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.rgbResult = clrInit;
    m_cc.lpCustColors = m_crCustom;
    m_cc.Flags = dwFlags | (clrInit ? CC_RGBINIT : 0);
}

INT_PTR CColorDialog::DoModal() {
    m_cc.hwndOwner = CWnd::GetSafeOwner(m_pParentWnd);
    return AfxChooseColor(&m_cc) ? IDOK : IDCANCEL;
}
