// The contents window's search field. It asks the dialog for the keys it acts on, so that
// Enter and Escape keep their dialog meaning everywhere else: Escape clears a field with text
// (in an empty one it hides the window, as elsewhere), and Enter and Down go to the owner.
#pragma once
#include "framework/CEdit.h"

// Sent to the field's parent for Enter and Down, with the key in wParam.
const UINT WM_SEARCH_FIELD_KEY = WM_APP + 100;

class CSearchField : public CEdit {
  public:
    // Takes over the dialog's control, whose messages this object then sees first.
    BOOL SubclassDlgItem(int nID, HWND hWndParent) {
        return SubclassWindow(::GetDlgItem(hWndParent, nID));
    }

    BEGIN_MSG_MAP(CSearchField)
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
    ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
    ON_MESSAGE(WM_CHAR, OnChar)
    END_MSG_MAP(CEdit)

  private:
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    bool IsOwnKey(WPARAM nKey) const;
};
