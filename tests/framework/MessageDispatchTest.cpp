// Message maps: commands, notifications and window messages reach their handlers; the rest
// reaches the window's default processing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDialogs.h"
#include "res/resource.h"

namespace {

const int kTestCommand = 40001;
const UINT kUnmappedMessage = WM_APP + 5;
const LRESULT kUnmappedResult = 4242;

class CDispatchDlg : public CModelessDialog {
  public:
    CDispatchDlg()
        : CModelessDialog(IDD_RENAME), m_nCommands(0), m_nNameChanges(0), m_nSizeCalls(0), m_cx(0),
          m_cy(0), m_nCancels(0) {}

    BEGIN_MSG_MAP(CDispatchDlg)
    ON_COMMAND(kTestCommand, OnTestCommand)
    ON_CONTROL(EN_CHANGE, IDC_RENAME_NAME, OnNameChange)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    END_MSG_MAP(CModelessDialog)

    LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
        m_defaultMessages.push_back(uMsg);
        if (uMsg == kUnmappedMessage)
            return kUnmappedResult + static_cast<LRESULT>(wParam);
        return CModelessDialog::DefWindowProc(uMsg, wParam, lParam);
    }

    void OnCancel() override { ++m_nCancels; }

    bool SawByDefault(UINT uMsg) const {
        for (UINT m : m_defaultMessages)
            if (m == uMsg)
                return true;
        return false;
    }

    int m_nCommands;
    int m_nNameChanges;
    int m_nSizeCalls;
    int m_cx;
    int m_cy;
    int m_nCancels;
    std::string m_strCaptionSeen;
    std::vector<UINT> m_defaultMessages;

  private:
    void OnTestCommand() { ++m_nCommands; }
    void OnNameChange() { ++m_nNameChanges; }
    void OnSize(UINT, int cx, int cy) {
        ++m_nSizeCalls;
        m_cx = cx;
        m_cy = cy;
    }
    LRESULT OnSetText(WPARAM, LPARAM lParam) {
        m_strCaptionSeen = reinterpret_cast<const char*>(lParam);
        return Default();
    }
};

} // namespace

TEST(MessageDispatch, ACommandRunsItsHandlerFromAMenuOrAnAcceleratorOnlyAndANotificationItsOwn) {
    CDispatchDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.PostMessage(WM_COMMAND, MAKEWPARAM(kTestCommand, 0), 0);
    DispatchPending();
    EXPECT_EQ(1, dlg.m_nCommands);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(kTestCommand, 1), 0);
    EXPECT_EQ(2, dlg.m_nCommands);
    // A control notification with the same id is not the command.
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(kTestCommand, EN_CHANGE), 0);
    EXPECT_EQ(2, dlg.m_nCommands);

    const int nBefore = dlg.m_nNameChanges;
    SetWindowTextA(dlg.GetDlgItem(IDC_RENAME_NAME), "Shopping");
    EXPECT_EQ(nBefore + 1, dlg.m_nNameChanges);
}

TEST(MessageDispatch, MessagesReachTheirHandlerTheBaseClassMapOrTheOverriddenDefaultProcessing) {
    CDispatchDlg dlg;
    ASSERT_TRUE(dlg.Create());
    ::SetWindowPos(dlg, NULL, 0, 0, 333, 222, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    ::GetClientRect(dlg, &client);
    EXPECT_GE(dlg.m_nSizeCalls, 1);
    EXPECT_EQ(client.right, dlg.m_cx);
    EXPECT_EQ(client.bottom, dlg.m_cy);
    EXPECT_FALSE(dlg.SawByDefault(WM_SIZE));

    EXPECT_EQ(kUnmappedResult + 7, dlg.SendMessage(kUnmappedMessage, 7, 0));
    EXPECT_TRUE(dlg.SawByDefault(kUnmappedMessage));

    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDCANCEL)));
    EXPECT_EQ(1, dlg.m_nCancels);
}

TEST(MessageDispatch, DefaultInsideAHandlerDoesTheDefaultProcessing) {
    CDispatchDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.SetWindowText("New Caption");
    EXPECT_EQ("New Caption", dlg.m_strCaptionSeen);
    CString strCaption;
    dlg.GetWindowText(strCaption);
    EXPECT_STREQ("New Caption", strCaption);
    EXPECT_TRUE(dlg.SawByDefault(WM_SETTEXT));
}
