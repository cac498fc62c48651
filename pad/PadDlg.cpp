#include "pad/PadDlg.h"

#include <limits.h>
#include <stdio.h>

#include <new>

#include "dialogs/AboutDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/RenameDlg.h"
#include "framework/CWinApp.h"
#include "framework/DataExchange.h"
#include "framework/Module.h"
#include "framework/PathParts.h"
#include "launch/PadLauncher.h"
#include "launch/RunningPads.h"
#include "pad/PadMessages.h"
#include "pad/PadSystemMenu.h"
#include "pad/PadTextSize.h"
#include "padfile/PadFile.h"
#include "padfile/PadFileLock.h"
#include "padfile/PadFiles.h"
#include "padfile/PadRecovery.h"
#include "padfile/PadRecycle.h"
#include "padfile/PadText.h"
#include "settings/PadSettings.h"
#include "settings/SettingsKeys.h"
#include "settings/WindowPlacement.h"

namespace {
// The text's font when none is chosen: the template's font has glyphs for few scripts and no
// links to fonts that have the rest; Tahoma, which Windows links to them, at the template's
// 8 points.
const wchar_t kTextFontName[] = L"Tahoma";
const int kTextFontSize = 80;
// What a flag reads as when its key is missing: no value a flag ever holds.
const int kFlagNotStored = INT_MIN;

CString FileName(const char* pszPath) {
    PathParts parts = SplitPath(pszPath);
    return parts.strName + parts.strExtension;
}
} // namespace

CPadDlg::CPadDlg(CWnd* pParent)
    : CDialog(IDD_PAD, pParent), m_bkColor(DEFAULT_PAD_COLOR),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_encoding(padCodePage), m_font(), m_bFontSizeUnsaved(FALSE), m_nWheelRest(0),
      m_bInFailureMessage(FALSE), m_bClosing(FALSE), m_bErased(FALSE), m_bInsertionCut(FALSE),
      m_bPlaced(FALSE), m_nPadCommandMsg(PadCommandMessage()) {
    UseUnicode();
}

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

void CPadDlg::ApplyFont() {
    LOGFONTW logFont = m_font.ToLogFont();
    HFONT hFont = ::CreateFontIndirectW(&logFont);
    if (!hFont)
        return;
    m_edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    m_textFont.Attach(hFont);
}

BOOL CPadDlg::PreTranslateMessage(MSG* pMsg) {
    int nSteps = 0;
    if ((pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) ||
        !TakeTextSizeMessage(*pMsg, m_nWheelRest, nSteps))
        return FALSE;
    int nSize = StepTextSize(m_font.nSize, nSteps);
    if (nSize != m_font.nSize) {
        m_font.nSize = nSize;
        ApplyFont();
        m_bFontSizeUnsaved = TRUE;
    }
    return TRUE;
}

// Stored once the user stops, not at every step: each write rewrites the settings file.
void CPadDlg::StoreFontSize() {
    if (m_bFontSizeUnsaved && !m_path.IsEmpty())
        WritePadFontSize(SectionName(), m_font.nSize);
    m_bFontSizeUnsaved = FALSE;
}

void CPadDlg::LoadPad(const char* path) {
    // A full path: every later step acts on the file the pad holds, whatever the current
    // folder becomes meanwhile.
    m_path = FullPath(*path ? StripQuotes(path) : MakeNewPadPath());
    m_startSettings = ReadPadSections(SectionName());
    m_bkColor = ReadPadColor(m_startSettings);
    UpdateBrush();
    PadFont builtIn = {};
    lstrcpynW(builtIn.szFace, kTextFontName, LF_FACESIZE);
    builtIn.nSize = kTextFontSize;
    builtIn.nWeight = FW_NORMAL;
    builtIn.crText = RGB(0, 0, 0);
    m_font = ReadPadFont(m_startSettings, builtIn);
    m_bFontSizeUnsaved = FALSE;
    ApplyFont();

    switch (LockPadFile(m_file, m_path)) {
    case padLockExisting:
        LoadText();
        break;
    case padLockCreated:
        // A file that went while the rename dialog had it free: what the window shows goes
        // into the new one at the next save.
        m_strSaved.Empty();
        m_encoding = padCodePage;
        if (m_edit.GetWindowTextLength() > 0)
            m_edit.SetModify(TRUE);
        break;
    case padLockNotAFile:
        RefusePad(PadNotTextMessage(SectionName()));
        break;
    case padLockFailed:
        if (MessageBox(PadInUseMessage(SectionName()), NULL, MB_YESNO | MB_ICONQUESTION) == IDYES)
            OnNewPad();
        AbandonPad();
        break;
    }

    SetWindowText(SectionName());
    ApplyAutoStartup(ReadShowOnStartup(m_startSettings.pad, kFlagNotStored), FALSE);
    ApplyAlwaysOnTop(ReadAlwaysOnTop(m_startSettings.pad, kFlagNotStored), FALSE);
}

void CPadDlg::LoadText() {
    CString strPath;
    PadRecoveryResult recovery = RecoverPadFile(m_file, m_path, strPath);
    if (recovery == padRecoveryReadFailed || recovery == padRecoveryWriteFailed) {
        DWORD dwError = ::GetLastError();
        CString strName = FileName(strPath);
        RefusePad(recovery == padRecoveryReadFailed ? PadReadFailedMessage(strName, dwError)
                                                    : PadWriteFailure(strName, dwError));
        return;
    }
    if (recovery == padRecoveryKeptApart)
        MessageBox(PadKeptApartMessage(SectionName(), FileName(strPath)), NULL,
                   MB_OK | MB_ICONINFORMATION);
    CString strBytes;
    switch (ReadPadFile(m_file, strBytes)) {
    case padReadOk:
        if (!DecodePadText(strBytes, m_text, m_encoding)) {
            RefusePad(PadNotTextMessage(SectionName()));
            break;
        }
        m_strSaved = strBytes;
        UpdateData(FALSE);
        break;
    case padReadTooLarge:
        RefusePad(PadTooLargeMessage(SectionName()));
        break;
    case padReadFailed:
        RefusePad(PadReadFailedMessage(SectionName(), ::GetLastError()));
        break;
    }
}

void CPadDlg::RefusePad(const CString& strMessage) {
    m_file.Close();
    MessageBox(strMessage, NULL, MB_OK | MB_ICONSTOP);
    AbandonPad();
}

void CPadDlg::AbandonPad() {
    m_path.Empty();
    PostMessage(WM_CLOSE);
}

BOOL CPadDlg::WritePad(CString& strFailure) {
    if (!m_file.IsOpen() || !m_edit.GetModify())
        return TRUE;
    // Read without the exchange's own check of the length in characters: the length that
    // counts is in bytes, and the message about it is the save's.
    m_edit.GetWindowText(m_text);
    PadEncoding encoding = m_encoding;
    CString strBytes = EncodePadText(m_text, encoding);
    // Never more than a pad can open again.
    int nExcess = strBytes.GetLength() - kMaxPadLength;
    if (nExcess > 0) {
        strFailure = PadTooLongFailure(SectionName(), nExcess);
        return FALSE;
    }
    if (!SavePadFile(m_file, m_path, m_strSaved, strBytes)) {
        strFailure = PadWriteFailure(SectionName(), ::GetLastError());
        return FALSE;
    }
    // The edit keeps its modified flag, so every later loss of focus writes again.
    m_strSaved = strBytes;
    m_encoding = encoding;
    return TRUE;
}

BOOL CPadDlg::SavePad() {
    StoreFontSize();
    // The failure's own message takes the focus; that must not start a second save.
    if (m_bInFailureMessage)
        return FALSE;
    CString strFailure;
    if (WritePad(strFailure))
        return TRUE;
    m_bInFailureMessage = TRUE;
    MessageBox(strFailure + kTextStaysNote, NULL, MB_OK | MB_ICONSTOP);
    m_bInFailureMessage = FALSE;
    return FALSE;
}

void CPadDlg::OnKillFocusEdit() {
    if (!m_bClosing)
        SavePad();
}

void CPadDlg::OnMaxTextEdit() { m_bInsertionCut = TRUE; }

void CPadDlg::OnChangeEdit() {
    if (!m_bInsertionCut)
        return;
    m_bInsertionCut = FALSE;
    // The limit can cut a line break in two, leaving a lone CR before the caret that no file
    // of a pad holds: take it out again.
    int nStart = 0;
    int nEnd = 0;
    m_edit.GetSel(nStart, nEnd);
    CStringW strText;
    m_edit.GetWindowText(strText);
    if (nEnd > 0 && nEnd <= strText.GetLength() && strText.GetAt(nEnd - 1) == L'\r' &&
        strText.GetAt(nEnd) != L'\n') {
        m_edit.SetSel(nEnd - 1, nEnd);
        m_edit.ReplaceSel("");
    }
}

void CPadDlg::OnOK() { OnCancel(); }

void CPadDlg::OnCancel() {
    // Every way of closing (the close box, Alt+F4, Escape, the Close command, a posted close)
    // arrives here while the window still stands, so a save that fails can still keep it.
    if (m_bInFailureMessage || !SaveBeforeEnding())
        return;
    StoreFontSize();
    // The loss of focus as the dialog ends has nothing left to save.
    m_bClosing = TRUE;
    CDialog::OnCancel();
}

BOOL CPadDlg::SaveBeforeEnding() {
    CString strFailure;
    if (WritePad(strFailure))
        return TRUE;
    m_bInFailureMessage = TRUE;
    int nAnswer = MessageBox(strFailure + kCloseAnywayQuestion, NULL,
                             MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
    m_bInFailureMessage = FALSE;
    return nAnswer == IDYES;
}

BOOL CPadDlg::OnQueryEndSession() {
    // A pad that cannot save asks Windows to wait, so that the user sees why.
    return SavePad();
}

void CPadDlg::OnEndSession(BOOL bEnding) {
    // The process may end as soon as this returns, without the usual closing steps.
    if (bEnding)
        SavePad();
}

// Both flags are written back as 0 or 1. A flag already stored so needs no write: every write
// rewrites the whole settings file, which all pads starting at logon wait for in turn.
void CPadDlg::OnAutoStartup() {
    ApplyAutoStartup(ReadShowOnStartup(SectionName(), kFlagNotStored), TRUE);
}

void CPadDlg::OnAlwaysOnTop() {
    ApplyAlwaysOnTop(ReadAlwaysOnTop(SectionName(), kFlagNotStored), TRUE);
}

void CPadDlg::ApplyAutoStartup(int nStored, BOOL toggle) {
    int nValue = nStored == kFlagNotStored ? 1 : nStored;
    int nNew = (toggle ? nValue == 0 : nValue != 0) ? 1 : 0;
    CheckPadMenuItem(m_hWnd, ID_PAD_AUTO_STARTUP, nNew);
    if (nStored != nNew)
        WriteShowOnStartup(SectionName(), nNew);
}

void CPadDlg::ApplyAlwaysOnTop(int nStored, BOOL toggle) {
    int nValue = nStored == kFlagNotStored ? 0 : nStored;
    int nNew = (toggle ? nValue == 0 : nValue != 0) ? 1 : 0;
    SetWindowPos(nNew ? &wndTopMost : &wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CheckPadMenuItem(m_hWnd, ID_PAD_ALWAYS_ON_TOP, nNew);
    if (nStored != nNew)
        WriteAlwaysOnTop(SectionName(), nNew);
}

void CPadDlg::OnNewPad() { LaunchPad(m_hWnd, MakeNewPadPath()); }

void CPadDlg::OnErasePad() {
    m_edit.GetWindowText(m_text);
    if (m_text.IsEmpty()) {
        // Nothing to bring back: it goes as a pad closed empty does.
        PostMessage(WM_CLOSE);
        return;
    }
    if (MessageBox(PadEraseQuestion(SectionName()), NULL, MB_YESNO | MB_ICONQUESTION) != IDYES ||
        !SaveBeforeEnding())
        return;
    // The file goes to the Recycle Bin with the text last typed; the pad's own lock shares no
    // delete access, so it goes first.
    m_file.Close();
    if (!ErasePadFile(m_path)) {
        MessageBox(PadEraseFailedMessage(SectionName(), ::GetLastError()), NULL,
                   MB_OK | MB_ICONSTOP);
        LoadPad(m_path);
        return;
    }
    RemoveRecoveryFile(m_file.GetFileSystem(), m_path);
    DeletePadSection(SectionName());
    m_bErased = TRUE;
    m_bClosing = TRUE;
    CDialog::OnCancel();
}

void CPadDlg::OnHomePage() { OpenHomePage(m_hWnd); }

void CPadDlg::OnFeedback() { OpenFeedbackMail(m_hWnd); }

void CPadDlg::OnRenamePad() {
    // Reloading after the dialog would show the file's text in place of what was not saved.
    if (!SavePad())
        return;
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
    dlg.m_font = m_font;
    if (dlg.DoModal() != IDOK)
        return;
    m_bkColor = dlg.m_crBkColor;
    UpdateBrush();
    WriteBkColor(SectionName(), m_bkColor);
    if (dlg.m_bFontChosen) {
        m_font = dlg.m_font;
        m_bFontSizeUnsaved = FALSE;
        ApplyFont();
        WritePadFont(SectionName(), m_font);
    }
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
    ::SetTextColor(hDC, m_font.crText);
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
    if (m_bPlaced) {
        RestoreWindowPlacement(m_hWnd, SectionName());
        return;
    }
    RestoreWindowPlacement(m_hWnd, SectionName(), m_startSettings);
    m_startSettings = PadSections();
    m_bPlaced = TRUE;
}

void CPadDlg::OnSize(UINT nType, int cx, int cy) {
    Default();
    if (nType == SIZE_RESTORED && m_edit.m_hWnd)
        m_edit.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
}

void CPadDlg::OnDestroy() {
    Default();
    m_file.Close();
    m_pBrush.reset();
    if (m_bErased)
        return;
    if (!m_path.IsEmpty() && m_text.IsEmpty()) {
        // A recovery file left by a failed save would bring the erased text back into the
        // next pad of this name.
        if (remove(m_path) == 0)
            RemoveRecoveryFile(m_file.GetFileSystem(), m_path);
        DeletePadSection(SectionName());
    } else {
        SaveWindowPlacement(m_hWnd, SectionName());
    }
}

LRESULT CPadDlg::OnCopyData(WPARAM, LPARAM lParam) {
    return CPadPresence::IsAskedAbout(lParam, m_file.m_hFile);
}

LRESULT CPadDlg::OnPadCommand(WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
    case padComeForward:
    case padReveal:
        m_presence.ComeForward(m_hWnd, SectionName(), wParam == padComeForward);
        break;
    case padHide:
        // A pad busy with a box or a dialog of its own, or whose save fails, stays.
        if (IsWindowEnabled() && SavePad())
            m_presence.Hide(m_hWnd, SectionName(), static_cast<DWORD>(lParam));
        break;
    }
    return 0;
}

LRESULT CPadDlg::OnTimer(WPARAM wParam, LPARAM) {
    m_presence.OnTimer(m_hWnd, SectionName(), wParam);
    return 0;
}
