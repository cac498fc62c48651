// The "Quillow Options" dialog of a pad: its background colour, its text font and colour, and
// these and the pad's current size as defaults for all pads.
#pragma once
#include <windows.h>

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "res/resource.h"
#include "settings/PadFont.h"

class COptionsDlg : public CDialog {
  public:
    explicit COptionsDlg(CWnd* pParent = NULL);

    // The text font and colour in play: set by the caller before the dialog runs; the caller
    // reads it back after OK when m_bFontChosen says the user chose one.
    PadFont m_font;
    BOOL m_bFontChosen;
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
