#include "dialogs/RenameDlg.h"

#include <mbstring.h>

#include "framework/DataExchange.h"
#include "padfile/PadFileLock.h"
#include "padfile/PadFiles.h"
#include "padfile/PadRecovery.h"
#include "res/resource.h"
#include "settings/PadSettings.h"

namespace {

const char kPadExtension[] = ".ql";
const char kOverwriteQuestion[] = " already exists.\nWould you like to overwrite this Quillow?";
const char kRenameFailedStart[] = "Unable to rename ";
const char kRenameFailedMiddle[] = " to ";
const char kRenameFailedEnd[] = ".";

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, in any case.
bool IsDeviceName(const CString& strName) {
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char* pszDevice : kDevices)
        if (strName.CompareNoCase(pszDevice) == 0)
            return true;
    CString strStem = strName.Left(3);
    char chDigit = strName.GetLength() == 4 ? strName.GetAt(3) : '\0';
    return (strStem.CompareNoCase("COM") == 0 || strStem.CompareNoCase("LPT") == 0) &&
           chDigit >= '1' && chDigit <= '9';
}

} // namespace

CRenameDlg::CRenameDlg(CWnd* pParent) : CDialog(IDD_RENAME, pParent), m_bRenamed(FALSE) {}

void CRenameDlg::DoRename(CString path) {
    m_strName = path;
    m_bRenamed = FALSE;
    PathParts parts = SplitPath(m_strName);
    m_strFolder = parts.strDrive + parts.strFolder;
    m_strName = parts.strName;
    m_strOldName = parts.strName;
    DoModal();
}

void CRenameDlg::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_RENAME_NAME, m_strName); }

void CRenameDlg::OnOK() {
    UpdateData(TRUE);
    m_strName.TrimLeft().TrimRight();
    // Only the name counts: a folder, drive or extension the user typed is dropped.
    m_strName = SplitPath(m_strName).strName;
    if (m_strName.IsEmpty() ||
        _mbsicmp(reinterpret_cast<const unsigned char*>(m_strOldName.GetString()),
                 reinterpret_cast<const unsigned char*>(m_strName.GetString())) == 0) {
        EndDialog(IDCANCEL);
        return;
    }

    m_strOldName = m_strFolder + m_strOldName + kPadExtension;
    m_strName = m_strFolder + m_strName + kPadExtension;

    // A device's name opens the device, whatever the extension: refused like any name the
    // file system does not allow.
    if (IsDeviceName(SplitPath(m_strName).strName)) {
        ShowRenameFailure();
        return;
    }

    bool bReplace = false;
    if (PadFileExists(m_strName)) {
        if (MessageBox(PadSectionName(m_strName) + kOverwriteQuestion, NULL,
                       MB_YESNO | MB_ICONQUESTION) != IDYES) {
            EndDialog(IDOK);
            return;
        }
        bReplace = true;
    }

    if (!RenamePadFile(bReplace)) {
        ShowRenameFailure();
        return;
    }

    MoveRecoveryFile(m_strOldName, m_strName);
    MovePadSettings(PadSectionName(m_strOldName), PadSectionName(m_strName));
    m_bRenamed = TRUE;
    EndDialog(IDOK);
}

void CRenameDlg::ShowRenameFailure() {
    MessageBox(kRenameFailedStart + PadSectionName(m_strOldName) + kRenameFailedMiddle +
                   PadSectionName(m_strName) + kRenameFailedEnd,
               NULL, MB_OK);
    EndDialog(IDOK);
}

bool CRenameDlg::RenamePadFile(bool bReplace) {
    // Deleting the target first and renaming afterwards would lose the target whenever the
    // rename then failed. The replacing move is one step, and like the deletion it fails on
    // a target that a running pad holds, since pads never share delete access.
    DWORD dwFlags = bReplace ? MOVEFILE_REPLACE_EXISTING : 0;
    return ::MoveFileExA(m_strOldName, m_strName, dwFlags) != FALSE;
}
