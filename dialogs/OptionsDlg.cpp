#include "dialogs/OptionsDlg.h"

#include <commdlg.h>

#include "framework/CColorDialog.h"
#include "framework/DataExchange.h"
#include "res/Links.h"
#include "settings/PadSettings.h"
#include "settings/SettingsKeys.h"

namespace {

const char kFontNotAvailable[] =
    "The ability to change the font is not available in this version. Visit Marrowdale "
    "at " QUILLOW_HOME_PAGE_URL
    " for a newer version, or add your email address to the Quillow Update List if you have "
    "not already done so, and we will email you when this feature has been added.";

} // namespace

COptionsDlg::COptionsDlg(CWnd* pParent)
    : CDialog(IDD_OPTIONS, pParent), m_crBkColor(0), m_bBkColorDefault(FALSE),
      m_bFontDefault(FALSE), m_bSizeDefault(FALSE) {}

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

void COptionsDlg::OnFont() { MessageBox(kFontNotAvailable, NULL, MB_OK); }

void COptionsDlg::OnOK() {
    UpdateData(TRUE);
    if (m_bBkColorDefault)
        WriteBkColor(QUILLOW_GLOBAL_SECTION, m_crBkColor);
    if (m_bSizeDefault) {
        // The size of the pad that owns the dialog, frame included.
        RECT rect;
        if (::GetWindowRect(GetParent(), &rect))
            WriteSize(QUILLOW_GLOBAL_SECTION, rect.right - rect.left, rect.bottom - rect.top);
    }
    EndDialog(IDOK);
}
