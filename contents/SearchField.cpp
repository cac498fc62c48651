#include "contents/SearchField.h"

bool CSearchField::IsOwnKey(WPARAM nKey) const {
    return nKey == VK_RETURN || nKey == VK_DOWN ||
           (nKey == VK_ESCAPE && ::GetWindowTextLengthW(m_hWnd) > 0);
}

LRESULT CSearchField::OnGetDlgCode(WPARAM, LPARAM lParam) {
    LRESULT nCode = Default();
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (pMsg && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) && IsOwnKey(pMsg->wParam))
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}

LRESULT CSearchField::OnKeyDown(WPARAM wParam, LPARAM) {
    if (wParam == VK_ESCAPE && ::GetWindowTextLengthW(m_hWnd) > 0) {
        SetWindowText(L"");
        return 0;
    }
    if (wParam == VK_RETURN || wParam == VK_DOWN) {
        ::SendMessageW(GetParent(), WM_SEARCH_FIELD_KEY, wParam, 0);
        return 0;
    }
    return Default();
}

LRESULT CSearchField::OnChar(WPARAM wParam, LPARAM) {
    // The characters of the keys handled above; a single-line edit would only beep at them.
    if (wParam == '\r' || wParam == 0x1B)
        return 0;
    return Default();
}
