// The contents window: the list of every pad in the home folder, with a "*" on each pad that
// a running pad holds, the commands on it, and the tray icon and tray menu through which the
// window lives on while hidden.
#pragma once
#include "contents/FolderWatcher.h"
#include "contents/GlobalHotKeys.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CListBox.h"
#include "framework/CMenu.h"
#include "framework/CString.h"
#include "contents/ContentsSearch.h"
#include "contents/SearchField.h"
#include "res/resource.h"

class CContentsDlg : public CDialog {
  public:
    explicit CContentsDlg(CWnd* pParent = NULL);

    // Rebuilds the list from the home folder, which becomes the current folder, keeps the
    // selection by position and enables Open, Rename and Erase only when there are pads.
    // While m_bFillMenu is set, every pad is also appended to the tray menu, whatever the
    // search shows.
    void RefreshList();
    // Puts the selected entry's file name, without its mark, into m_strSelected; FALSE when
    // nothing is selected.
    BOOL GetSelectedName();
    // Whether the file m_strSelected cannot be opened for reading with write sharing denied,
    // which is how a running pad's lock shows.
    BOOL IsPadInUse();
    // Fills the tray menu afresh: the fixed items and one item per pad, in the order the
    // folder search finds them, with ids from ID_TRAY_FIRST_PAD.
    void BuildTrayMenu();
    void ShowTrayMenu();

    // The button entries take only clicks from the buttons themselves, because the tray
    // menu's pad items run from ID_TRAY_FIRST_PAD upward and, in a large folder, reach the
    // buttons' ids.
    BEGIN_MSG_MAP(CContentsDlg)
    ON_LBN_DBLCLK(IDC_CONTENTS_LIST, OnDblclkList)
    ON_BUTTON_CLICKED(IDC_CONTENTS_NEW, OnNew)
    ON_BUTTON_CLICKED(IDC_CONTENTS_OPEN, OnOpen)
    ON_BUTTON_CLICKED(IDC_CONTENTS_RENAME, OnRename)
    ON_BUTTON_CLICKED(IDC_CONTENTS_ERASE, OnErase)
    ON_BUTTON_CLICKED(IDC_CONTENTS_REFRESH, RefreshList)
    ON_WM_CLOSE()
    ON_LBN_SETFOCUS(IDC_CONTENTS_LIST, OnSetfocusList)
    ON_WM_SHOWWINDOW()
    ON_BUTTON_CLICKED(IDC_CONTENTS_AUTO_STARTUP, OnAutoStartup)
    ON_BUTTON_CLICKED(IDC_CONTENTS_HELP, OnHelpIndex)
    ON_COMMAND(ID_HELP_INDEX, OnHelpIndex)
    ON_MESSAGE(WM_TRAY_NOTIFY, OnTrayNotify)
    ON_MESSAGE(WM_PAD_FOLDER_CHANGED, OnPadFolderChanged)
    ON_REGISTERED_MESSAGE(m_nTaskbarCreatedMsg, OnTaskbarCreated)
    ON_REGISTERED_MESSAGE(m_nShowRequestMsg, OnShowRequest)
    ON_MENU_COMMAND(ID_TRAY_NEW, OnNew)
    ON_MENU_COMMAND(ID_TRAY_CONTENTS, OnShowContents)
    ON_MENU_COMMAND(ID_TRAY_SHOW_ALL_PADS, OnShowAllPads)
    ON_MENU_COMMAND(ID_TRAY_HIDE_ALL_PADS, OnHideAllPads)
    ON_MESSAGE(WM_HOTKEY, OnHotKey)
    ON_MENU_COMMAND(ID_TRAY_HOME_PAGE, OnHomePage)
    ON_MENU_COMMAND(ID_TRAY_FEEDBACK, OnFeedback)
    ON_MENU_COMMAND(ID_TRAY_ABOUT, OnAbout)
    ON_MENU_COMMAND(ID_TRAY_EXIT, OnExit)
    ON_MENU_COMMAND_RANGE(ID_TRAY_FIRST_PAD, ID_TRAY_LAST_PAD, OnTrayPad)
    ON_WM_HELPINFO()
    ON_EN_CHANGE(IDC_CONTENTS_SEARCH, OnSearchChange)
    ON_MESSAGE(WM_SEARCH_FIELD_KEY, OnSearchFieldKey)
    END_MSG_MAP(CDialog)

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Escape hide the window like its close box: only Exit ends the process.
    void OnOK() override;
    void OnCancel() override;
    // Ctrl+F puts the cursor in the search field.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnNew();
    void OnOpen();
    void OnRename();
    void OnErase();
    void OnAbout();
    void OnDblclkList();
    void OnSetfocusList();
    void OnClose();
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnAutoStartup();
    void RunStartupTasks();

    CButton m_btnRename;
    CButton m_btnOpen;
    CButton m_btnErase;
    CListBox m_lstPads;
    CSearchField m_edtSearch;
    CContentsSearch m_search;
    BOOL m_bAutoStartup;
    // Position of the entry selected when the list was last rebuilt or read.
    int m_nSelection;
    BOOL m_bFirstShow;
    BOOL m_bFillMenu;
    CString m_strSelected;
    HICON m_hIcon;
    CMenu m_menuTray;

  private:
    // A mouse event over the tray icon, in lParam.
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    // Pad files came, went or were renamed in the home folder while the window is shown.
    LRESULT OnPadFolderChanged(WPARAM wParam, LPARAM lParam);
    // A restarted shell has lost the icon; without it a hidden window could not come back.
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    // Another start of the contents window asks this one to show itself.
    LRESULT OnShowRequest(WPARAM wParam, LPARAM lParam);
    // Opens the pad of a tray menu item; FALSE when there is no such item or list entry.
    BOOL OnTrayPad(UINT nID);
    void OnShowContents();
    // A key from anywhere; ignored while the window shows a box or a dialog.
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    // Shows the window to search the pads.
    void OnFind();
    void FocusSearchField();
    void OnShowAllPads();
    void OnHideAllPads();
    void OnHomePage();
    void OnFeedback();
    void OnExit();
    void ShowUpdateReminder(int nMonth);
    void LaunchStartupPads();
    void AppendTrayMenuString(UINT nStringID, UINT nCommandID);
    // Opens the pad m_strSelected names, unless a pad already holds it.
    void OpenSelected();
    // Fills the list with the listed pads that match the search, selecting by position, and
    // says how many they are.
    void ShowMatches(int nSelection);
    void OnSearchChange();
    // Enter opens the selected match, the first when none is selected; Down goes to the list.
    LRESULT OnSearchFieldKey(WPARAM wParam, LPARAM lParam);

    // The shell's broadcast that its notification area was made anew, without our icon.
    UINT m_nTaskbarCreatedMsg;
    UINT m_nShowRequestMsg;
    // Set from the Exit question on, while the process may be ending.
    BOOL m_bExiting;
    CGlobalHotKeys m_hotKeys;
    // Runs only while the window is shown.
    CFolderWatcher m_folderWatcher;
};
