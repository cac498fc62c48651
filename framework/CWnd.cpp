#include "framework/CWnd.h"

#include "framework/CWinApp.h"
#include "framework/DataExchange.h"

namespace {
const char kThisProperty[] = "Quillow.CWnd";

// Sets a window procedure with the API the window was subclassed with.
WNDPROC SetWindowProc(HWND hWnd, WNDPROC pfn, bool bUnicode) {
    LONG_PTR nProc = reinterpret_cast<LONG_PTR>(pfn);
    return reinterpret_cast<WNDPROC>(bUnicode ? SetWindowLongPtrW(hWnd, GWLP_WNDPROC, nProc)
                                              : SetWindowLongPtrA(hWnd, GWLP_WNDPROC, nProc));
}
} // namespace

const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL), m_bUnicode(false), m_msgCurrent() {}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_pfnSuper(NULL), m_bUnicode(false), m_msgCurrent() {}

CWnd::~CWnd() {
    if (m_pfnSuper && m_hWnd && IsWindow(m_hWnd)) {
        SetWindowProc(m_hWnd, m_pfnSuper, m_bUnicode);
        RemovePropA(m_hWnd, kThisProperty);
    }
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : NULL, x, y, cx, cy,
                          nFlags);
}

void CWnd::SetWindowText(const char* pszText) { ::SetWindowTextA(m_hWnd, pszText); }

void CWnd::SetWindowText(const wchar_t* pszText) { ::SetWindowTextW(m_hWnd, pszText); }

void CWnd::GetWindowText(CString& rString) const {
    int n = ::GetWindowTextLengthA(m_hWnd);
    char* p = rString.GetBuffer(n);
    if (!p)
        return;
    n = ::GetWindowTextA(m_hWnd, p, n + 1);
    rString.ReleaseBuffer(n);
}

void CWnd::GetWindowText(CStringW& rString) const {
    int n = ::GetWindowTextLengthW(m_hWnd);
    wchar_t* p = rString.GetBuffer(n);
    if (!p)
        return;
    n = ::GetWindowTextW(m_hWnd, p, n + 1);
    rString.ReleaseBuffer(n);
}

void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

HWND CWnd::GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

HWND CWnd::GetParent() const { return ::GetParent(m_hWnd); }

HMENU CWnd::GetSystemMenu(BOOL bRevert) const { return ::GetSystemMenu(m_hWnd, bRevert); }

LRESULT CWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, uMsg, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, uMsg, wParam, lParam);
}

BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

BOOL CWnd::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd); }

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, NULL, bErase); }

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

int CWnd::MessageBox(const char* pszText, const char* pszCaption, UINT nType) {
    return ::MessageBoxA(m_hWnd, pszText, pszCaption ? pszCaption : AfxGetAppName(), nType);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::OnHelpIndex() {
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnHelp();
}

BOOL CWnd::OnHelpInfo(HELPINFO*) {
    OnHelpIndex();
    return TRUE;
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_msgCurrent.message, m_msgCurrent.wParam, m_msgCurrent.lParam);
}

LRESULT CWnd::DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return m_bUnicode ? ::CallWindowProcW(m_pfnSuper, m_hWnd, uMsg, wParam, lParam)
                          : ::CallWindowProcA(m_pfnSuper, m_hWnd, uMsg, wParam, lParam);
    return m_bUnicode ? ::DefWindowProcW(m_hWnd, uMsg, wParam, lParam)
                      : ::DefWindowProcA(m_hWnd, uMsg, wParam, lParam);
}

BOOL CWnd::ProcessWindowMessage(UINT, WPARAM, LPARAM, LRESULT&) { return FALSE; }

HWND CWnd::GetSafeOwner(const CWnd* pParent) {
    if (pParent && pParent->m_hWnd)
        return pParent->m_hWnd;
    CWnd* pMain = AfxGetMainWnd();
    if (!pMain || !pMain->m_hWnd || !IsWindow(pMain->m_hWnd))
        return NULL;
    return ::GetLastActivePopup(pMain->m_hWnd);
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    m_hWnd = hWnd;
    m_bUnicode = IsWindowUnicode(hWnd) != FALSE;
    SetPropA(hWnd, kThisProperty, this);
    m_pfnSuper = SetWindowProc(hWnd, StaticWindowProc, m_bUnicode);
    return m_pfnSuper != NULL;
}

LRESULT CWnd::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // Handlers may run nested (a message box inside a handler), so keep the outer message.
    MSG msgOuter = m_msgCurrent;
    m_msgCurrent.hwnd = m_hWnd;
    m_msgCurrent.message = uMsg;
    m_msgCurrent.wParam = wParam;
    m_msgCurrent.lParam = lParam;

    LRESULT lResult = 0;
    if (!ProcessWindowMessage(uMsg, wParam, lParam, lResult))
        lResult = DefWindowProc(uMsg, wParam, lParam);

    m_msgCurrent = msgOuter;
    if (uMsg == WM_NCDESTROY) {
        RemovePropA(m_hWnd, kThisProperty);
        SetWindowProc(m_hWnd, m_pfnSuper, m_bUnicode);
        m_pfnSuper = NULL;
        m_hWnd = NULL;
    }
    return lResult;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = static_cast<CWnd*>(GetPropA(hWnd, kThisProperty));
    if (!pWnd)
        return IsWindowUnicode(hWnd) ? ::DefWindowProcW(hWnd, uMsg, wParam, lParam)
                                     : ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    return pWnd->WindowProc(uMsg, wParam, lParam);
}
