#include "framework/CFontDialog.h"

#include "framework/CWnd.h"
#include "framework/ShellDlls.h"

CFontDialog::CFontDialog(const LOGFONTW* pInitial, COLORREF crInitial, DWORD dwFlags,
                         CWnd* pParentWnd)
    : m_cf(), m_lf(), m_pParentWnd(pParentWnd) {
    if (pInitial)
        m_lf = *pInitial;
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.lpLogFont = &m_lf;
    m_cf.rgbColors = crInitial;
    m_cf.Flags = dwFlags | (pInitial ? CF_INITTOLOGFONTSTRUCT : 0);
}

INT_PTR CFontDialog::DoModal() {
    m_cf.hwndOwner = CWnd::GetSafeOwner(m_pParentWnd);
    return AfxChooseFont(&m_cf) ? IDOK : IDCANCEL;
}
