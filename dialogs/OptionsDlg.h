// The "Quillow Options" dialog of a pad: its background colour, the colour and the pad's
// current size as defaults for all pads, and the announced font feature.
#pragma once
#include <windows.h>

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CGdiObject.h"
#include "res/resource.h"

class COptionsDlg : public CDialog {
  public:
    explicit COptionsDlg(CWnd* pParent = NULL);

    // Reserved for the font feature; never created.
    CFont m_font;
    // The colour in play: set by the caller before the dialog runs, read back after OK.
    COLORREF m_crBkColor;
    CButton m_btnBkColor;
    CButton m_btnFont;
    BOOL m_bBkColorDefault;
    BOOL m_bFontDefault;
    BOOL m_bSizeDefault;

    // clang-format off
    BEGIN_MSG_MAP(COptionsDlg)
        ON_BN_CLICKED(IDC_OPTIONS_BKCOLOR, OnBkColor)
        ON_BN_CLICKED(IDC_OPTIONS_FONT, OnFont)
    END_MSG_MAP(CDialog)
    // clang-format on

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnBkColor();
    void OnFont();
};
