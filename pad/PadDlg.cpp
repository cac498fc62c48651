#include "pad/PadDlg.h"

#include <stdio.h>

#include <new>

#include "dialogs/AboutDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/RenameDlg.h"
#include "framework/CWinApp.h"
#include "framework/DataExchange.h"
#include "framework/Module.h"
#include "pad/PadFile.h"
#include "pad/PadMessages.h"
#include "pad/PadSystemMenu.h"
#include "settings/PadFileLock.h"
#include "settings/PadFiles.h"
#include "settings/PadLauncher.h"
#include "settings/PadSettings.h"
#include "settings/SettingsKeys.h"
#include "settings/WindowPlacement.h"

CPadDlg::CPadDlg(CWnd* pParent)
    : CDialog(IDD_PAD, pParent), m_bkColor(DEFAULT_PAD_COLOR),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

CPadDlg::~CPadDlg() {}

void CPadDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_PAD_EDIT, m_edit);
    DDX_Text(pDX, IDC_PAD_EDIT, m_text);
    DDV_MaxChars(pDX, m_text, kMaxPadLength);
}

BOOL CPadDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    BuildPadSystemMenu(m_hWnd);
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    LoadPad(AfxGetApp()->m_lpCmdLine);
    return TRUE;
}

CString CPadDlg::SectionName() const { return PadSectionName(m_path); }

void CPadDlg::LoadPad(const char* path) {
    m_path = *path ? StripQuotes(path) : MakeNewPadPath();
    m_bkColor = ReadPadColor(SectionName());
    UpdateBrush();

    if (LockPadFile(m_file, m_path, FALSE)) {
        CString strText;
        switch (ReadPadFile(m_file, m_strSaved, strText)) {
        case padReadOk:
            m_text = strText;
            UpdateData(FALSE);
            break;
        case padReadTooLarge:
            m_file.Close();
            MessageBox(PadTooLargeMessage(SectionName()), NULL, MB_OK | MB_ICONSTOP);
            AbandonPad();
            break;
        case padReadFailed: {
            DWORD dwError = GetLastError();
            m_file.Close();
            MessageBox(PadReadFailedMessage(SectionName(), dwError), NULL, MB_OK | MB_ICONSTOP);
            AbandonPad();
            break;
        }
        }
    } else if (LockPadFile(m_file, m_path, TRUE)) {
        m_strSaved.Empty();
    } else {
        if (MessageBox(PadInUseMessage(SectionName()), NULL, MB_YESNO | MB_ICONQUESTION) == IDYES)
            OnNewPad();
        AbandonPad();
    }

    SetWindowText(SectionName());
    ApplyAutoStartup(FALSE);
    ApplyAlwaysOnTop(FALSE);
}

void CPadDlg::AbandonPad() {
    m_path.Empty();
    PostMessage(WM_CLOSE);
}

void CPadDlg::SavePad() {
    if (!m_file.IsOpen() || !m_edit.GetModify())
        return;
    UpdateData(TRUE);
    if (RewritePadFile(m_file, m_strSaved, m_text)) {
        m_strSaved = m_text;
        return;
    }
    // The old text is still on disk and the new one still in the window; the edit keeps its
    // modified flag, so the next loss of focus tries again.
    MessageBox(PadSaveFailedMessage(SectionName(), GetLastError()), NULL, MB_OK | MB_ICONSTOP);
}

void CPadDlg::OnKillFocusEdit() { SavePad(); }

void CPadDlg::OnEndSession(BOOL bEnding) {
    // The process may end as soon as this returns, without the usual closing steps.
    if (bEnding)
        SavePad();
}

void CPadDlg::ApplyAutoStartup(BOOL toggle) {
    int nValue = ReadShowOnStartup(SectionName(), 1);
    int nNew = (toggle ? nValue == 0 : nValue != 0) ? 1 : 0;
    CheckPadMenuItem(m_hWnd, ID_PAD_AUTO_STARTUP, nNew);
    WriteShowOnStartup(SectionName(), nNew);
}

void CPadDlg::ApplyAlwaysOnTop(BOOL toggle) {
    int nValue = ReadAlwaysOnTop(SectionName());
    int nNew = (toggle ? nValue == 0 : nValue != 0) ? 1 : 0;
    SetWindowPos(nNew ? &wndTopMost : &wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CheckPadMenuItem(m_hWnd, ID_PAD_ALWAYS_ON_TOP, nNew);
    WriteAlwaysOnTop(SectionName(), nNew);
}

void CPadDlg::OnNewPad() { LaunchPad(m_hWnd, MakeNewPadPath()); }

void CPadDlg::OnErasePad() {
    UpdateData(TRUE);
    if (!m_text.IsEmpty() &&
        MessageBox(PadEraseQuestion(SectionName()), NULL, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_text.Empty();
    UpdateData(FALSE);
    PostMessage(WM_CLOSE);
}

void CPadDlg::OnHomePage() { OpenHomePage(m_hWnd); }

void CPadDlg::OnFeedback() { OpenFeedbackMail(m_hWnd); }

void CPadDlg::OnRenamePad() {
    SavePad();
    // The rename dialog must be free to rename the file.
    m_file.Close();
    CRenameDlg dlg;
    dlg.DoRename(m_path);
    CString strPath = dlg.m_bRenamed ? dlg.m_strName : m_path;
    LoadPad(strPath);
}

void CPadDlg::OnPadOptions() {
    COptionsDlg dlg;
    dlg.m_crBkColor = m_bkColor;
    if (dlg.DoModal() != IDOK)
        return;
    m_bkColor = dlg.m_crBkColor;
    UpdateBrush();
    WriteBkColor(SectionName(), m_bkColor);
}

void CPadDlg::OnAboutPad() {
    CAboutDlg dlg;
    dlg.DoModal();
}

void CPadDlg::UpdateBrush() {
    m_pBrush.reset(new (std::nothrow) CBrush(m_bkColor));
    Invalidate(TRUE);
}

HBRUSH CPadDlg::OnCtlColor(HDC hDC, HWND hWndCtl, UINT nCtlColor) {
    if (nCtlColor != CTLCOLOR_MSGBOX && nCtlColor != CTLCOLOR_EDIT)
        return CDialog::OnCtlColor(hDC, hWndCtl, nCtlColor);
    ::SetTextColor(hDC, RGB(0, 0, 0));
    ::SetBkColor(hDC, m_bkColor);
    return m_pBrush ? m_pBrush->m_hObject : NULL;
}

void CPadDlg::OnShowWindow(BOOL bShow, UINT) {
    Default();
    if (!bShow)
        return;
    // The dialog selects the whole text when it gives the edit the focus; drop that and
    // leave the caret after the last character, in view.
    m_edit.SetSel(-1, -1);
    m_edit.ScrollCaret();
    RestoreWindowPlacement(m_hWnd, SectionName());
}

void CPadDlg::OnSize(UINT nType, int cx, int cy) {
    Default();
    if (nType == SIZE_RESTORED && m_edit.m_hWnd)
        m_edit.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
}

void CPadDlg::OnDestroy() {
    Default();
    m_file.Close();
    if (!m_path.IsEmpty() && m_text.IsEmpty()) {
        remove(m_path);
        DeletePadSection(SectionName());
    } else {
        SaveWindowPlacement(m_hWnd, SectionName());
    }
    m_pBrush.reset();
}
