// An edit control of a dialog.
#pragma once
#include "framework/CWnd.h"

class CEdit : public CWnd {
  public:
    BOOL GetModify() const { return SendMessage(EM_GETMODIFY) != 0; }
    void SetModify(BOOL bModified) { SendMessage(EM_SETMODIFY, bModified); }
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    void SetSel(int nStart, int nEnd) { SendMessage(EM_SETSEL, nStart, nEnd); }
    void ScrollCaret() { SendMessage(EM_SCROLLCARET); }
};
