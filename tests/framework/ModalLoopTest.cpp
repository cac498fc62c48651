// The framework's own modal loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CDialog.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {

const UINT_PTR kCheckTimer = 1;
const UINT kCheckDelayMs = 300;
const UINT WM_TEST_STEP = WM_APP + 1;

// Hides itself on its first showing, as the contents window does when it goes to the tray,
// and looks at itself again once the loop has been idle.
class CHidingDlg : public CDialog {
  public:
    CHidingDlg() : CDialog(IDD_RENAME), m_nShowings(0), m_bVisibleLater(TRUE) {}

    BEGIN_MSG_MAP(CHidingDlg)
    ON_WM_SHOWWINDOW()
    ON_WM_CLOSE()
    ON_MESSAGE(WM_TIMER, OnTimer)
    END_MSG_MAP(CDialog)

    int m_nShowings;
    BOOL m_bVisibleLater;

  private:
    void OnShowWindow(BOOL bShow, UINT) {
        Default();
        if (bShow && ++m_nShowings == 1) {
            PostMessage(WM_CLOSE);
            ::SetTimer(m_hWnd, kCheckTimer, kCheckDelayMs, NULL);
        }
    }
    void OnClose() { ShowWindow(SW_HIDE); }
    LRESULT OnTimer(WPARAM, LPARAM) {
        ::KillTimer(m_hWnd, kCheckTimer);
        m_bVisibleLater = IsWindowVisible();
        EndDialog(IDOK);
        return 0;
    }
};

// Records the order in which the name edit loses the focus and the window is destroyed.
class CFocusDlg : public CDialog {
  public:
    CFocusDlg() : CDialog(IDD_RENAME), m_bEditHadFocus(false) {}

    BEGIN_MSG_MAP(CFocusDlg)
    ON_EN_KILLFOCUS(IDC_RENAME_NAME, OnKillFocusName)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_TEST_STEP, OnStep)
    END_MSG_MAP(CDialog)

    BOOL OnInitDialog() override {
        PostMessage(WM_TEST_STEP);
        return CDialog::OnInitDialog();
    }

    std::vector<std::string> m_events;
    bool m_bEditHadFocus;

  private:
    void OnKillFocusName() { m_events.push_back("kill focus"); }
    void OnDestroy() { m_events.push_back("destroy"); }
    LRESULT OnStep(WPARAM, LPARAM) {
        ::SetFocus(GetDlgItem(IDC_RENAME_NAME));
        m_bEditHadFocus = ::GetFocus() == GetDlgItem(IDC_RENAME_NAME);
        // Only what EndDialog and the end of the loop cause counts.
        m_events.clear();
        EndDialog(IDOK);
        return 0;
    }
};

// Replaces the name by typing and presses OK through posted messages, as a user would; an
// Escape on the way is taken before the dialog's keyboard handling would turn it into Cancel.
class CNameEntryDlg : public CDialog {
  public:
    explicit CNameEntryDlg(CWnd* pParent)
        : CDialog(IDD_RENAME, pParent), m_bOwnerEnabled(TRUE), m_nEscapes(0) {}

    BEGIN_MSG_MAP(CNameEntryDlg)
    ON_MESSAGE(WM_TEST_STEP, OnStep)
    END_MSG_MAP(CDialog)

    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_RENAME_NAME, m_strName); }

    BOOL OnInitDialog() override {
        PostMessage(WM_TEST_STEP);
        return CDialog::OnInitDialog();
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_ESCAPE)
            return FALSE;
        ++m_nEscapes;
        return TRUE;
    }

    CString m_strName;
    BOOL m_bOwnerEnabled;
    int m_nEscapes;

  private:
    LRESULT OnStep(WPARAM, LPARAM) {
        m_bOwnerEnabled = m_pParentWnd ? ::IsWindowEnabled(*m_pParentWnd) : TRUE;
        HWND hWndEdit = GetDlgItem(IDC_RENAME_NAME);
        ::PostMessageA(hWndEdit, EM_SETSEL, 0, -1);
        ::PostMessageA(hWndEdit, WM_KEYDOWN, VK_ESCAPE, 0);
        for (char ch : std::string("List"))
            ::PostMessageA(hWndEdit, WM_CHAR, static_cast<WPARAM>(ch), 0);
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(IDOK)));
        return 0;
    }
};

// A plain top-level window to own a modal dialog.
class COwnerWindow : public CWnd {
  public:
    COwnerWindow() {
        m_hWnd = ::CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_CAPTION, 10, 10, 200, 100,
                                   NULL, NULL, ::GetModuleHandleA(NULL), NULL);
    }
    ~COwnerWindow() override { ::DestroyWindow(m_hWnd); }
};

} // namespace

TEST(ModalLoop, ADialogThatHidesItselfOnItsFirstShowingStaysHidden) {
    CHidingDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nShowings);
    EXPECT_FALSE(dlg.m_bVisibleLater);
}

TEST(ModalLoop, EndDialogTakesTheFocusFromAControlBeforeTheWindowIsDestroyed) {
    CFocusDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.m_bEditHadFocus);
    const std::vector<std::string> expected = {"kill focus", "destroy"};
    EXPECT_EQ(expected, dlg.m_events);
}

TEST(ModalLoop, OkExchangesTheDataDisablesTheOwnerMeanwhileAndReturnsIdOkPastAKeyTheDialogTook) {
    COwnerWindow owner;
    ASSERT_TRUE(owner.m_hWnd != NULL);
    CNameEntryDlg dlg(&owner);
    dlg.m_strName = "Shopping";
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(dlg.m_bOwnerEnabled);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_STREQ("List", dlg.m_strName);
    EXPECT_EQ(1, dlg.m_nEscapes) << "the Escape went no further";
}

TEST(ModalLoop, AMissingTemplateNeverRuns) {
    const UINT kMissingTemplate = 4321;
    CDialog dlg(kMissingTemplate);
    EXPECT_EQ(-1, dlg.DoModal());
}
