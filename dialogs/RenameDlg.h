// The "Enter New Name" dialog: gives a pad file a new name in its own folder and moves the
// pad's settings to the section of the new name.
#pragma once
#include "framework/CDialog.h"
#include "framework/CString.h"

class CRenameDlg : public CDialog {
  public:
    explicit CRenameDlg(CWnd* pParent = NULL);

    // Runs the dialog on a pad's path (full, or a bare file name in the current folder).
    // Afterwards m_bRenamed tells whether the file was renamed and, when it was, m_strName
    // holds the new path.
    void DoRename(CString path);

    BOOL m_bRenamed;
    // The name being edited; after a rename, the new path.
    CString m_strName;
    // Drive and folder of the pad's path, with its trailing backslash; empty for a bare name.
    CString m_strFolder;
    // The old name; once OK has accepted the new name, the old path.
    CString m_strOldName;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

  private:
    // Gives the old file the new name; a target the user agreed to overwrite is replaced in
    // the same step, so a failure leaves both files as they were.
    bool RenamePadFile(bool bReplace);
    // Names both pads in the failure message and ends the dialog.
    void ShowRenameFailure();
};
