#include "contents/ContentsDlg.h"

#include "contents/ContentsMessages.h"
#include "contents/ShowRequest.h"
#include "contents/TrayIcon.h"
#include "contents/UpdateReminder.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/RenameDlg.h"
#include "framework/CFileFind.h"
#include "framework/CTime.h"
#include "framework/DataExchange.h"
#include "framework/Module.h"
#include "launch/PadLauncher.h"
#include "launch/RunningPads.h"
#include "padfile/PadFileLock.h"
#include "padfile/PadFiles.h"
#include "padfile/PadRecovery.h"
#include "padfile/PadRecycle.h"
#include "settings/PadSettings.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"

namespace {
const char kPadPattern[] = "*.ql";
// The window's outer size on every showing.
const int kContentsWidth = 395;
const int kContentsHeight = 204;
} // namespace

CContentsDlg::CContentsDlg(CWnd* pParent)
    : CDialog(IDD_CONTENTS, pParent), m_bAutoStartup(FALSE), m_nSelection(0), m_bFirstShow(FALSE),
      m_bFillMenu(FALSE),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_nTaskbarCreatedMsg(::RegisterWindowMessageA("TaskbarCreated")),
      m_nShowRequestMsg(::RegisterWindowMessageA(QUILLOW_SHOW_CONTENTS_MESSAGE)),
      m_bExiting(FALSE) {
    // The search field takes any character; the list keeps the names in the code page.
    UseUnicode();
    m_menuTray.CreatePopupMenu();
}

void CContentsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_CONTENTS_RENAME, m_btnRename);
    DDX_Control(pDX, IDC_CONTENTS_OPEN, m_btnOpen);
    DDX_Control(pDX, IDC_CONTENTS_ERASE, m_btnErase);
    DDX_Control(pDX, IDC_CONTENTS_LIST, m_lstPads);
    DDX_Check(pDX, IDC_CONTENTS_AUTO_STARTUP, m_bAutoStartup);
}

void CContentsDlg::RefreshList() {
    m_search.BeginListing();
    if (::SetCurrentDirectoryA(GetHomeFolder())) {
        CFileFind finder;
        UINT nMenuID = ID_TRAY_FIRST_PAD;
        for (BOOL bFound = finder.FindFile(kPadPattern); bFound; bFound = finder.FindNextFile()) {
            // A name the code page cannot hold is left out: a command on it would act on
            // another file, the one its look-alike name names.
            CString strName;
            if (!finder.GetFileName(strName))
                continue;
            BOOL bHeld = IsPadFileHeld(strName);
            m_search.AddPad(strName, bHeld, finder.GetFindData());
            if (m_bFillMenu)
                m_menuTray.AppendMenu(MF_STRING, nMenuID++, bHeld ? strName + kInUseMark : strName);
        }
    }
    m_search.EndListing();
    ShowMatches(m_lstPads.GetCurSel());
}

void CContentsDlg::ShowMatches(int nSelection) {
    m_nSelection = nSelection < 0 ? 0 : nSelection;
    // Drawn once when complete: a list that redraws its scroll bars on every insertion takes
    // seconds over a large folder.
    m_lstPads.SetRedraw(FALSE);
    m_lstPads.ResetContent();
    for (int i = 0; i < m_search.GetCount(); ++i) {
        if (!m_search.Matches(i))
            continue;
        CString strEntry = m_search.GetName(i);
        if (m_search.IsHeld(i))
            strEntry += kInUseMark;
        m_lstPads.InsertString(-1, strEntry);
    }
    m_lstPads.SetRedraw(TRUE);
    m_lstPads.Invalidate();

    int nCount = m_lstPads.GetCount();
    if (m_nSelection >= nCount)
        m_nSelection = nCount - 1;
    BOOL bAnyPad = nCount > 0;
    if (bAnyPad)
        m_lstPads.SetCurSel(m_nSelection);
    m_btnOpen.EnableWindow(bAnyPad);
    m_btnRename.EnableWindow(bAnyPad);
    m_btnErase.EnableWindow(bAnyPad);
    CString strCount;
    if (m_edtSearch.GetWindowTextLength() > 0)
        strCount.Format(kSearchCountFormat, nCount, m_search.GetCount());
    ::SetDlgItemTextA(m_hWnd, IDC_CONTENTS_SEARCH_COUNT, strCount);
}

void CContentsDlg::OnSearchChange() {
    CStringW strSearch;
    m_edtSearch.GetWindowText(strSearch);
    m_search.SetSearch(strSearch);
    ShowMatches(0);
}

LRESULT CContentsDlg::OnSearchFieldKey(WPARAM wParam, LPARAM) {
    if (wParam == VK_DOWN) {
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_lstPads.m_hWnd), TRUE);
    } else if (wParam == VK_RETURN) {
        if (m_lstPads.GetCurSel() < 0 && m_lstPads.GetCount() > 0)
            m_lstPads.SetCurSel(0);
        OnOpen();
    }
    return 0;
}

BOOL CContentsDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'F' && ::GetKeyState(VK_CONTROL) < 0 &&
        ::GetKeyState(VK_MENU) >= 0 && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        FocusSearchField();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CContentsDlg::GetSelectedName() {
    m_nSelection = m_lstPads.GetCurSel();
    if (m_nSelection < 0) {
        m_strSelected.Empty();
        return FALSE;
    }
    m_lstPads.GetText(m_nSelection, m_strSelected);
    int nLength = m_strSelected.GetLength();
    if (nLength > 0 && m_strSelected.GetAt(nLength - 1) == kInUseMark[0])
        m_strSelected.Truncate(nLength - 1);
    return TRUE;
}

BOOL CContentsDlg::IsPadInUse() { return IsPadFileHeld(m_strSelected); }

void CContentsDlg::OnSetfocusList() { RefreshList(); }

void CContentsDlg::OnDblclkList() { OnOpen(); }

void CContentsDlg::OnNew() {
    if (LaunchPad(m_hWnd, MakeNewPadPath()))
        RefreshList();
}

void CContentsDlg::OnOpen() {
    if (GetSelectedName())
        OpenSelected();
}

void CContentsDlg::OpenSelected() {
    if (IsPadInUse()) {
        // Another program's hold on the file is still refused.
        if (!BringRunningPadForward(m_strSelected))
            MessageBox(OpenInUseMessage(m_strSelected));
        return;
    }
    // The pad process inherits the current folder, the home folder, so the bare name will do.
    if (LaunchPad(m_hWnd, m_strSelected))
        RefreshList();
}

void CContentsDlg::OnRename() {
    if (!GetSelectedName())
        return;
    if (IsPadInUse()) {
        MessageBox(InUseMessage(m_strSelected));
        return;
    }
    CRenameDlg dlg;
    dlg.DoRename(m_strSelected);
    if (dlg.m_bRenamed)
        RefreshList();
}

void CContentsDlg::OnErase() {
    if (!GetSelectedName())
        return;
    if (IsPadInUse()) {
        MessageBox(InUseMessage(m_strSelected));
        return;
    }
    if (MessageBox(EraseQuestion(m_strSelected), NULL, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // A pad that has opened the file since the test above holds it without delete sharing,
    // so the removal fails rather than take the file from under it.
    if (!ErasePadFile(m_strSelected)) {
        MessageBox(UnableToEraseMessage(m_strSelected));
        return;
    }
    RemoveRecoveryFile(AfxGetFileSystem(), m_strSelected);
    DeletePadSection(m_strSelected);
    RefreshList();
}

void CContentsDlg::OnAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

void CContentsDlg::AppendTrayMenuString(UINT nStringID, UINT nCommandID) {
    CString strText;
    strText.LoadString(nStringID);
    m_menuTray.AppendMenu(MF_STRING, nCommandID, strText);
}

void CContentsDlg::BuildTrayMenu() {
    // A new, empty menu: taking a large menu apart item by item costs more than making one.
    m_menuTray.CreatePopupMenu();
    AppendTrayMenuString(IDS_NEW_PAD, ID_TRAY_NEW);
    m_menuTray.AppendMenu(MF_STRING, ID_TRAY_CONTENTS, kContentsTitle);
    m_menuTray.AppendMenu(MF_STRING, ID_TRAY_SHOW_ALL_PADS, kShowAllPadsItem);
    m_menuTray.AppendMenu(MF_STRING, ID_TRAY_HIDE_ALL_PADS, kHideAllPadsItem);
    m_menuTray.AppendMenu(MF_SEPARATOR);

    m_bFillMenu = TRUE;
    RefreshList();
    m_bFillMenu = FALSE;

    m_menuTray.AppendMenu(MF_SEPARATOR);
    AppendTrayMenuString(IDS_HOME_PAGE, ID_TRAY_HOME_PAGE);
    AppendTrayMenuString(IDS_FEEDBACK, ID_TRAY_FEEDBACK);
    AppendTrayMenuString(IDS_ABOUT, ID_TRAY_ABOUT);
    m_menuTray.AppendMenu(MF_SEPARATOR);
    m_menuTray.AppendMenu(MF_STRING, ID_TRAY_EXIT, kExitMenuItem);
}

void CContentsDlg::ShowTrayMenu() {
    BuildTrayMenu();
    // The menu opens at the screen's bottom-right corner; the system lifts it onto the screen.
    RECT rcScreen;
    ::GetWindowRect(::GetDesktopWindow(), &rcScreen);
    // A menu whose owner is not in the foreground stays open when the user clicks elsewhere.
    SetForegroundWindow();
    m_menuTray.TrackPopupMenu(TPM_RIGHTALIGN | TPM_RIGHTBUTTON, rcScreen.right, rcScreen.bottom,
                              m_hWnd);
    // The chosen item arrives as a posted WM_COMMAND; this lets the next menu open at once.
    PostMessage(WM_NULL);
}

LRESULT CContentsDlg::OnTrayNotify(WPARAM, LPARAM lParam) {
    if (lParam == WM_LBUTTONUP)
        OnNew();
    else if (lParam == WM_RBUTTONUP)
        ShowTrayMenu();
    return 0;
}

LRESULT CContentsDlg::OnPadFolderChanged(WPARAM wParam, LPARAM) {
    // Notices that came meanwhile are answered by this one refresh; one that was under way
    // as the window hid has nothing left to update.
    WPARAM nChanges = wParam;
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, WM_PAD_FOLDER_CHANGED, WM_PAD_FOLDER_CHANGED, PM_REMOVE))
        nChanges |= msg.wParam;
    // A text written matters only to a search, whose refresh reads it again.
    if (IsWindowVisible() && ((nChanges & folderNamesChanged) || m_search.IsSearching()))
        RefreshList();
    return 0;
}

LRESULT CContentsDlg::OnTaskbarCreated(WPARAM, LPARAM) {
    AddTrayIcon(m_hWnd, IDR_MAINFRAME, m_hIcon, kContentsTitle);
    return 0;
}

LRESULT CContentsDlg::OnShowRequest(WPARAM, LPARAM) {
    if (m_bExiting)
        return FALSE;
    // Shown after the asker has its answer: a first showing runs the start-up tasks, dialogs
    // included.
    PostMessage(WM_COMMAND, ID_TRAY_CONTENTS);
    return TRUE;
}

BOOL CContentsDlg::OnTrayPad(UINT nID) {
    // The item keeps the text it was listed with, mark included, until the next right click.
    // Its entry is selected when the list shows it, but the pad opens by name: the list may
    // show only a search's matches.
    if (m_menuTray.GetMenuString(nID, m_strSelected, MF_BYCOMMAND) == 0)
        return FALSE;
    m_lstPads.SelectString(-1, m_strSelected);
    int nLength = m_strSelected.GetLength();
    if (nLength > 0 && m_strSelected.GetAt(nLength - 1) == kInUseMark[0])
        m_strSelected.Truncate(nLength - 1);
    if (!PadFileExists(m_strSelected))
        return FALSE;
    OpenSelected();
    return TRUE;
}

void CContentsDlg::OnHomePage() { OpenHomePage(m_hWnd); }

void CContentsDlg::OnFeedback() { OpenFeedbackMail(m_hWnd); }

void CContentsDlg::OnShowContents() {
    RefreshList();
    ShowWindow(SW_RESTORE);
    SetForegroundWindow();
}

LRESULT CContentsDlg::OnHotKey(WPARAM wParam, LPARAM) {
    if (!IsWindowEnabled())
        return 0;
    switch (wParam) {
    case ID_HOTKEY_NEW_PAD:
        OnNew();
        break;
    case ID_HOTKEY_FIND:
        OnFind();
        break;
    case ID_HOTKEY_SHOW_ALL_PADS:
        OnShowAllPads();
        break;
    case ID_HOTKEY_HIDE_ALL_PADS:
        OnHideAllPads();
        break;
    }
    return 0;
}

void CContentsDlg::FocusSearchField() {
    // As Tab would: the field's text comes selected, ready to be typed over.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_edtSearch.m_hWnd), TRUE);
}

void CContentsDlg::OnFind() {
    OnShowContents();
    FocusSearchField();
}

void CContentsDlg::OnShowAllPads() { ShowAllPads(); }

void CContentsDlg::OnHideAllPads() { HideAllPads(); }

void CContentsDlg::OnExit() {
    // Kept as it was after a No: an Exit question may be asked again from inside this one.
    BOOL bWasExiting = m_bExiting;
    m_bExiting = TRUE;
    if (MessageBox(kExitQuestion, NULL, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        m_bExiting = bWasExiting;
        return;
    }
    // Nothing else could bring a hidden pad back.
    RevealHiddenPads();
    SaveWindowPlacement(m_hWnd, QUILLOW_GLOBAL_SECTION);
    RemoveTrayIcon(m_hWnd, IDR_MAINFRAME);
    // The main window's destruction ends its modal run, and with it the process.
    DestroyWindow();
}

BOOL CContentsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_edtSearch.SubclassDlgItem(IDC_CONTENTS_SEARCH, m_hWnd);
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    // The window has no maximise box; its system menu should not offer it either.
    CMenuHandle menuSystem(GetSystemMenu(FALSE));
    menuSystem.RemoveMenu(SC_MAXIMIZE, MF_BYCOMMAND);
    m_bAutoStartup = ReadShowOnStartup(QUILLOW_GLOBAL_SECTION, 1);
    m_bFirstShow = TRUE;
    AddTrayIcon(m_hWnd, IDR_MAINFRAME, m_hIcon, kContentsTitle);
    m_hotKeys.Register(m_hWnd);
    UpdateData(FALSE);
    // The focus goes to the list, whose focus notification fills it.
    return TRUE;
}

void CContentsDlg::OnShowWindow(BOOL bShow, UINT) {
    Default();
    if (!bShow) {
        m_folderWatcher.Stop();
        SaveWindowPlacement(m_hWnd, QUILLOW_GLOBAL_SECTION);
        return;
    }
    // Watched from before the refresh, so that no change falls between the two.
    m_folderWatcher.Start(m_hWnd, WM_PAD_FOLDER_CHANGED, GetHomeFolder());
    RefreshList();
    RestoreWindowPlacement(m_hWnd, QUILLOW_GLOBAL_SECTION);
    SetWindowPos(NULL, 0, 0, kContentsWidth, kContentsHeight, SWP_NOMOVE | SWP_NOZORDER);
    if (m_bFirstShow) {
        // Cleared first: a showing during the update reminder must not start the tasks again.
        m_bFirstShow = FALSE;
        RunStartupTasks();
    }
}

void CContentsDlg::RunStartupTasks() {
    struct tm now;
    if (CTime::GetCurrentTime().GetLocalTm(&now))
        ShowUpdateReminder(now.tm_mon + 1);
    LaunchStartupPads();
    m_hotKeys.ReportFailures(m_hWnd);
    if (!m_bAutoStartup) {
        SaveWindowPlacement(m_hWnd, QUILLOW_GLOBAL_SECTION);
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
        // Handled once this showing is over; OnClose then hides the window into the tray.
        PostMessage(WM_CLOSE);
    }
}

void CContentsDlg::ShowUpdateReminder(int nMonth) {
    int nDue = ReadSettingInt(QUILLOW_GLOBAL_SECTION, KEY_NEXT_UPDATE_REMINDER, 0);
    if (IsReminderDue(nDue, nMonth)) {
        CDialog reminder(IDD_UPDATE_REMINDER);
        if (reminder.DoModal() == IDOK)
            OpenHomePage(m_hWnd);
    }
    if (IsReminderScheduleDue(nDue, nMonth))
        WriteSettingInt(QUILLOW_GLOBAL_SECTION, KEY_NEXT_UPDATE_REMINDER,
                        NextReminderMonth(nMonth));
}

void CContentsDlg::LaunchStartupPads() {
    // An entry's text, mark included, names its section: a pad that is already open names a
    // section ending in "*", which no pad has, so it is not started twice. Every entry's flag
    // is read first, as the pads that start write the settings file and each read would wait
    // for them. Then the pads start together, none waiting for the one before.
    CString strEntry;
    for (int i = 0; i < m_lstPads.GetCount(); ++i) {
        m_lstPads.GetText(i, strEntry);
        m_lstPads.SetItemData(i, ReadShowOnStartup(strEntry, 0) != 0);
    }
    for (int i = 0; i < m_lstPads.GetCount(); ++i) {
        if (!m_lstPads.GetItemData(i))
            continue;
        m_lstPads.GetText(i, strEntry);
        LaunchPad(m_hWnd, strEntry, launchNoWait);
    }
}

void CContentsDlg::OnClose() { ShowWindow(SW_HIDE); }

void CContentsDlg::OnOK() { OnClose(); }

void CContentsDlg::OnCancel() { OnClose(); }

void CContentsDlg::OnAutoStartup() {
    UpdateData(TRUE);
    WriteShowOnStartup(QUILLOW_GLOBAL_SECTION, m_bAutoStartup);
}
