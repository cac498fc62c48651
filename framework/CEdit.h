// An edit control of a dialog.
#pragma once
#include "framework/CWnd.h"

class CEdit : public CWnd {
public:
    BOOL GetModify() const { return SendMessage(EM_GETMODIFY) != 0; }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
    void SetSel(int nStart, int nEnd) { SendMessage(EM_SETSEL, nStart, nEnd); }
    void ScrollCaret() { SendMessage(EM_SCROLLCARET); }
    void LimitText(int nChars) { SendMessage(EM_LIMITTEXT, nChars); }
};
