// Data exchange between real dialog controls and member variables.
#include <gtest/gtest.h>

#include <thread>

#include "TestDialogs.h"
#include "framework/DataExchange.h"
#include "res/resource.h"
#include "tests/driver/Driver.h"

using namespace driver;

namespace {

const int kNameLimit = 8;

class CNameDlg : public CModelessDialog {
  public:
    CNameDlg() : CModelessDialog(IDD_RENAME) {}
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_RENAME_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, kNameLimit);
    }
    HWND Edit() const { return GetDlgItem(IDC_RENAME_NAME); }
    CString m_strName;
};

class COptionsChecksDlg : public CModelessDialog {
  public:
    COptionsChecksDlg()
        : CModelessDialog(IDD_OPTIONS), m_bColorDefault(FALSE), m_bSizeDefault(FALSE) {}
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Check(pDX, IDC_OPTIONS_BKCOLOR_DEFAULT, m_bColorDefault);
        DDX_Check(pDX, IDC_OPTIONS_SIZE_DEFAULT, m_bSizeDefault);
    }
    LRESULT CheckState(int nID) const { return ::SendMessageA(GetDlgItem(nID), BM_GETCHECK, 0, 0); }
    BOOL m_bColorDefault;
    BOOL m_bSizeDefault;
};

} // namespace

TEST(DataExchange, TextGoesToTheEditLimitedToTheMaximumAndComesBack) {
    CNameDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.m_strName = "Shop 1.ql";
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ("Shop 1.ql", WindowText(dlg.Edit()));
    // Typed characters beyond the limit are refused by the edit itself.
    SetWindowTextA(dlg.Edit(), "");
    for (char ch : std::string("abcdefghijk"))
        ::SendMessageA(dlg.Edit(), WM_CHAR, static_cast<WPARAM>(ch), 0);
    EXPECT_EQ("abcdefgh", WindowText(dlg.Edit()));

    SetWindowTextA(dlg.Edit(), "List.ql");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ("List.ql", dlg.m_strName);

    SetWindowTextA(dlg.Edit(), "");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_TRUE(dlg.m_strName.IsEmpty());
}

TEST(DataExchange, MaxCharsRefusesALongerTextWithAMessage) {
    CNameDlg dlg;
    ASSERT_TRUE(dlg.Create());
    SetWindowTextA(dlg.Edit(), "far too long a name");

    // The refusal shows a modal message box on this thread; answer it from another one.
    std::string text;
    std::thread answerer([&] { text = AnswerNextMessageBox(GetCurrentProcessId(), IDOK).text; });
    const BOOL bSaved = dlg.UpdateData(TRUE);
    answerer.join();
    EXPECT_FALSE(bSaved);
    EXPECT_EQ("Enter no more than 8 characters.", text);

    SetWindowTextA(dlg.Edit(), "12345678");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ("12345678", dlg.m_strName);
}

TEST(DataExchange, ChecksFollowTheirMembersBothWays) {
    COptionsChecksDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.m_bColorDefault = TRUE;
    dlg.m_bSizeDefault = FALSE;
    dlg.UpdateData(FALSE);
    EXPECT_EQ(BST_CHECKED, dlg.CheckState(IDC_OPTIONS_BKCOLOR_DEFAULT));
    EXPECT_EQ(BST_UNCHECKED, dlg.CheckState(IDC_OPTIONS_SIZE_DEFAULT));

    // A click on each auto check box, as the user would.
    ::SendMessageA(dlg.GetDlgItem(IDC_OPTIONS_BKCOLOR_DEFAULT), BM_CLICK, 0, 0);
    ::SendMessageA(dlg.GetDlgItem(IDC_OPTIONS_SIZE_DEFAULT), BM_CLICK, 0, 0);
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_FALSE(dlg.m_bColorDefault);
    EXPECT_TRUE(dlg.m_bSizeDefault);
}
