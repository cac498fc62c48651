// The "About Quillow" box, with a button that opens the maker's home page.
#pragma once
#include "framework/CDialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
  public:
    explicit CAboutDlg(CWnd* pParent = NULL);

    // clang-format off
    BEGIN_MSG_MAP(CAboutDlg)
        ON_BN_CLICKED(IDC_ABOUT_HOME_PAGE, OnHomePage)
    END_MSG_MAP(CDialog)
    // clang-format on

  protected:
    void OnHomePage();
};
