#include "dialogs/OptionsDlg.h"

#include <commdlg.h>

#include "framework/CColorDialog.h"
#include "framework/CFontDialog.h"
#include "framework/DataExchange.h"
#include "settings/PadSettings.h"
#include "settings/SettingsKeys.h"

COptionsDlg::COptionsDlg(CWnd* pParent)
    : CDialog(IDD_OPTIONS, pParent), m_font(), m_bFontChosen(FALSE), m_crBkColor(0),
      m_bBkColorDefault(FALSE), m_bFontDefault(FALSE), m_bSizeDefault(FALSE) {}

void COptionsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_OPTIONS_BKCOLOR, m_btnBkColor);
    DDX_Control(pDX, IDC_OPTIONS_FONT, m_btnFont);
    DDX_Check(pDX, IDC_OPTIONS_BKCOLOR_DEFAULT, m_bBkColorDefault);
    DDX_Check(pDX, IDC_OPTIONS_FONT_DEFAULT, m_bFontDefault);
    DDX_Check(pDX, IDC_OPTIONS_SIZE_DEFAULT, m_bSizeDefault);
}

BOOL COptionsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The defaults are one-off actions: every opening starts with the boxes cleared.
    m_bBkColorDefault = FALSE;
    m_bFontDefault = FALSE;
    m_bSizeDefault = FALSE;
    m_bFontChosen = FALSE;
    UpdateData(FALSE);
    return TRUE;
}

void COptionsDlg::OnBkColor() {
    CColorDialog dlg(0, 0, NULL);
    // Solid colours only, no custom-colour editor, and no colour preselected.
    dlg.m_cc.Flags = CC_SOLIDCOLOR | CC_PREVENTFULLOPEN;
    if (dlg.DoModal() == IDOK)
        m_crBkColor = dlg.GetColor();
}

void COptionsDlg::OnFont() {
    // Sizes only within the bounds the pad keeps, and no script box: the pad's text is Unicode,
    // so the font is made for every character set.
    LOGFONTW logFont = m_font.ToLogFont();
    CFontDialog dlg(&logFont, m_font.crText,
                    CF_SCREENFONTS | CF_EFFECTS | CF_LIMITSIZE | CF_NOSCRIPTSEL, this);
    dlg.m_cf.nSizeMin = kMinFontSize / 10;
    dlg.m_cf.nSizeMax = kMaxFontSize / 10;
    if (dlg.DoModal() != IDOK)
        return;
    m_font = PadFont::FromChoice(dlg.GetLogFont(), dlg.GetSize(), dlg.GetColor());
    m_bFontChosen = TRUE;
}

void COptionsDlg::OnOK() {
    UpdateData(TRUE);
    if (m_bBkColorDefault)
        WriteBkColor(QUILLOW_GLOBAL_SECTION, m_crBkColor);
    if (m_bFontDefault)
        WritePadFont(QUILLOW_GLOBAL_SECTION, m_font);
    if (m_bSizeDefault) {
        // The size of the pad that owns the dialog, frame included.
        RECT rect;
        if (::GetWindowRect(GetParent(), &rect))
            WriteSize(QUILLOW_GLOBAL_SECTION, rect.right - rect.left, rect.bottom - rect.top);
    }
    EndDialog(IDOK);
}
