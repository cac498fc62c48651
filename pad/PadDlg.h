// A pad: one note bound to one locked file, shown in a small coloured window of its own.
// The file stays open with write sharing denied for the pad's whole life; that open file is
// how other processes tell the pad is in use. The text is saved whenever the edit control
// loses the focus.
#pragma once
#include <windows.h>

#include <memory>

#include "framework/CGdiObject.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CFile.h"
#include "framework/CString.h"
#include "pad/PadPresence.h"
#include "padfile/PadText.h"
#include "res/resource.h"
#include "settings/PadFont.h"

class CPadDlg : public CDialog {
  public:
    explicit CPadDlg(CWnd* pParent = NULL);
    ~CPadDlg() override;

    CEdit m_edit;
    // The text last exchanged with the edit control. Any character can be in it.
    CStringW m_text;
    // The background brush, owned by the pad; null until the first load.
    std::unique_ptr<CBrush> m_pBrush;
    COLORREF m_bkColor;
    HICON m_hIcon;
    // The pad file; empty after a failed load.
    CString m_path;
    // The pad file, open and locked from the load to the closing steps.
    CFile m_file;
    // The bytes the file holds now, so that a failed save can put them back, and their
    // encoding, which later saves keep.
    CString m_strSaved;
    PadEncoding m_encoding;
    // The edit's font and text colour, and the font made from them.
    PadFont m_font;
    CFont m_textFont;
    // Set while a quick size waits for the next save to be stored.
    BOOL m_bFontSizeUnsaved;
    // What a fine mouse wheel turned short of a quick size.
    int m_nWheelRest;
    // Set while a failed save's message is up, and once the pad is closing: the losses of
    // focus they cause start no save.
    BOOL m_bInFailureMessage;
    BOOL m_bClosing;
    // Set once Erase has moved the file away: the closing steps write nothing more.
    BOOL m_bErased;
    // Set when the edit's limit cut an insertion short, until the change it made arrives.
    BOOL m_bInsertionCut;
    // The settings as the pad read them at its load, kept until its first showing has put
    // the window in its place: one reading of the file for the whole start.
    PadSections m_startSettings;
    BOOL m_bPlaced;

    // Binds the pad to a file (a new one when the path is empty) and shows its text.
    void LoadPad(const char* path);
    // Writes the text to the file if the user changed it; FALSE, after telling the user why,
    // when it could not be written. The text then stays in the window.
    BOOL SavePad();
    // The two per-pad flags, kept only in the pad's section: the stored value (INT_MIN when
    // missing) shown and written back normalised, or flipped when toggle is TRUE.
    void ApplyAutoStartup(int nStored, BOOL toggle);
    void ApplyAlwaysOnTop(int nStored, BOOL toggle);
    // Makes the brush match m_bkColor and repaints the window.
    void UpdateBrush();

    // The system menu's own commands (move, size, close...) are left to the default processing.
    BEGIN_MSG_MAP(CPadDlg)
    ON_EN_KILLFOCUS(IDC_PAD_EDIT, OnKillFocusEdit)
    ON_EN_MAXTEXT(IDC_PAD_EDIT, OnMaxTextEdit)
    ON_EN_CHANGE(IDC_PAD_EDIT, OnChangeEdit)
    ON_COMMAND(ID_HELP_INDEX, OnHelpIndex)
    ON_WM_HELPINFO()
    ON_SYSCOMMAND(ID_PAD_NEW, OnNewPad)
    ON_SYSCOMMAND(ID_PAD_ERASE, OnErasePad)
    ON_SYSCOMMAND(ID_PAD_FEEDBACK, OnFeedback)
    ON_SYSCOMMAND(ID_PAD_HOME_PAGE, OnHomePage)
    ON_SYSCOMMAND(ID_PAD_ABOUT, OnAboutPad)
    ON_SYSCOMMAND(ID_PAD_RENAME, OnRenamePad)
    ON_SYSCOMMAND(ID_PAD_AUTO_STARTUP, OnAutoStartup)
    ON_SYSCOMMAND(ID_PAD_HELP, OnHelpIndex)
    ON_SYSCOMMAND(ID_PAD_ALWAYS_ON_TOP, OnAlwaysOnTop)
    ON_SYSCOMMAND(ID_PAD_OPTIONS, OnPadOptions)
    ON_WM_CTLCOLOR()
    ON_WM_SHOWWINDOW()
    ON_WM_SIZE()
    ON_WM_QUERYENDSESSION()
    ON_WM_ENDSESSION()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_COPYDATA, OnCopyData)
    ON_REGISTERED_MESSAGE(m_nPadCommandMsg, OnPadCommand)
    ON_MESSAGE(WM_TIMER, OnTimer)
    END_MSG_MAP(CDialog)

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The quick sizes' keys and wheel.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Closing saves first, and a save that fails keeps the pad open unless the user says
    // otherwise. Enter has no other meaning in a pad.
    void OnOK() override;
    void OnCancel() override;

    void OnKillFocusEdit();
    void OnMaxTextEdit();
    void OnChangeEdit();
    HBRUSH OnCtlColor(HDC hDC, HWND hWndCtl, UINT nCtlColor);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL bEnding);
    void OnDestroy();
    // Other processes asking whether the pad holds a file, and bringing it forward or hiding it.
    LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    LRESULT OnPadCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);

    void OnNewPad();
    void OnErasePad();
    void OnRenamePad();
    void OnPadOptions();
    void OnAboutPad();
    void OnAutoStartup();
    void OnAlwaysOnTop();
    void OnHomePage();
    void OnFeedback();

  private:
    CString SectionName() const;
    // Shows m_font in the edit; the dialog's own font, and so its layout, stays as it is.
    void ApplyFont();
    void StoreFontSize();
    // Reads the locked file into the window, finishing a save a crash cut short.
    void LoadText();
    // WritePad without a word to the user: strFailure says why it failed.
    BOOL WritePad(CString& strFailure);
    // Saves before the pad ends; when that fails, asks whether to end it anyway.
    BOOL SaveBeforeEnding();
    // Ends a pad whose file it will not show, after saying why.
    void RefusePad(const CString& strMessage);
    // Ends a pad whose file could not be loaded: it forgets the path, so the closing steps
    // never touch the file.
    void AbandonPad();

    CPadPresence m_presence;
    UINT m_nPadCommandMsg;
};
